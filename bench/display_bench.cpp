// The time to lay out and paint a full window of dictionary entries, and to
// scroll it by a page, in a 1024×768 result list with the default font, at
// the top, the middle and the end of each language index.
//
//   display_bench DICTIONARY.vbd [repetitions]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "display/result_list_box.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

class BenchDocument : public DictionaryDocument {
 public:
  explicit BenchDocument(const char* path) : m_dictionary(path) {}
  DictionaryFile* GetDictionary() const override {
    return const_cast<DictionaryFile*>(&m_dictionary);
  }

 private:
  DictionaryFile m_dictionary;
};

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&m_frequency);
    QueryPerformanceCounter(&m_start);
  }
  double Milliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) /
           static_cast<double>(m_frequency.QuadPart);
  }

 private:
  LARGE_INTEGER m_frequency;
  LARGE_INTEGER m_start;
};

void RepaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// Milliseconds per run of `step`, which must leave the list painted.
template <class Step>
double TimePerRun(int repetitions, Step step) {
  step();  // the first run warms the font and glyph caches
  Stopwatch watch;
  for (int i = 0; i < repetitions; ++i) step();
  GdiFlush();
  return watch.Milliseconds() / repetitions;
}

void MeasureAt(CResultListBox& list, const char* where, int top, int repetitions) {
  list.SetTopIndex(top);
  const double paint = TimePerRun(repetitions, [&] { RepaintNow(list.m_hWnd); });
  const int shown = list.m_nLastVisibleIndex - list.m_nTopIndex + 1;
  const int from = list.m_nTopIndex;
  // Page Down repaints the whole window; Page Up brings the page above back
  // by moving the picture. Each pair ends where it began.
  const double pages = TimePerRun(repetitions, [&] {
    list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    list.SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
  });
  list.SetTopIndex(from);
  std::printf("  %-7s item %6d: %6.2f ms per full paint (%d items), %6.2f ms per page down + up\n",
              where, from, paint, shown, pages);
}

// A keystroke's work: the result list jumps to another entry, which becomes
// current at the top, and the window is painted.
void MeasureLookUps(CResultListBox& list, int repetitions) {
  Text first;
  Text second;
  list.GetItemText(list.m_nCount / 4, first);
  list.GetItemText(3 * list.m_nCount / 4, second);
  int i = 0;
  const double lookUp = TimePerRun(repetitions, [&] { list.LookUp(++i % 2 ? first : second); });
  std::printf("  look-up of items %d and %d in turn: %6.2f ms each\n", list.m_nCount / 4,
              3 * list.m_nCount / 4, lookUp);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: display_bench DICTIONARY.vbd [repetitions]\n");
    return 2;
  }
  const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
  BenchDocument document(argv[1]);
  if (!document.GetDictionary()->IsValid()) {
    std::fprintf(stderr, "display_bench: cannot open %s\n", argv[1]);
    return 1;
  }

  WNDCLASSA hostClass = {};
  hostClass.lpfnWndProc = DefWindowProcA;
  hostClass.hInstance = GetModuleHandleA(nullptr);
  hostClass.lpszClassName = "OrvantoDisplayBench";
  RegisterClassA(&hostClass);
  HWND host = CreateWindowExA(0, hostClass.lpszClassName, "Display benchmark",
                              WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr,
                              hostClass.hInstance, nullptr);
  CReverseListBox reverse(&document, kFrench, 1006);
  CResultListBox list(&reverse, &document, kEnglish, 1005);
  list.Create(host);
  MoveWindow(list.m_hWnd, 0, 0, kWidth, kHeight, TRUE);
  list.SetDisplayFont(100, "Arial");
  list.SendMessage(0x0364);  // the initial update fills the list

  std::printf("display_bench: %dx%d list, Arial 10 pt, %d repetitions\n", kWidth, kHeight,
              repetitions);
  for (Language language : {kEnglish, kFrench}) {
    list.ShowLanguage(language);
    std::printf("%s index, %d records:\n", language == kEnglish ? "English" : "French",
                list.m_nCount);
    MeasureAt(list, "top", 0, repetitions);
    MeasureAt(list, "middle", list.m_nCount / 2, repetitions);
    MeasureAt(list, "end", list.m_nMaxTopIndex, repetitions);
    MeasureLookUps(list, repetitions);
  }
  DestroyWindow(list.m_hWnd);
  DestroyWindow(host);
  return 0;
}
