// The time from a keystroke in the search box to the painted result list:
// the viewer started maximized on a real dictionary, words typed into the
// search box letter by letter (each character sent to its edit field as the
// keyboard sends it), and every keystroke timed until the look-up, the
// history and the repainting of the window are done.
//
//   lookup_view_bench DICTIONARY.vbd [words per language]
//
// It runs the viewer with its own settings key: run it in a Wine prefix of
// its own (scripts/in-wine-session).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/dico_app.h"
#include "app/dico_view.h"
#include "app/main_frame.h"
#include "app/resource.h"
#include "framework/gui_test_support.h"

namespace {

// Answers the viewer's question for its dictionary with the given file.
class DictionaryAnswer : public UserDialogs {
 public:
  explicit DictionaryAnswer(std::string path) : m_strPath(std::move(path)) {}
  int ShowMessage(HWND, const std::string&, const std::string&, UINT) override { return IDOK; }
  bool ChooseFile(const FileDialogRequest&, std::string& path) override {
    path = m_strPath;
    return true;
  }

 private:
  std::string m_strPath;
};

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Words spread evenly over the index the result list shows now.
std::vector<std::string> WordsOfIndex(CResultListBox& list, int count) {
  std::vector<std::string> words;
  for (int i = 0; i < count; ++i) {
    Text text;
    list.GetItemText(static_cast<int>((static_cast<long long>(list.m_nCount) * i) / count), text);
    std::string word(text.begin(), text.end());
    word = word.substr(0, std::min<size_t>(word.find(' '), 10));
    if (!word.empty()) words.push_back(word);
  }
  return words;
}

// Milliseconds per keystroke, each typed into the emptied search box.
std::vector<double> TypeWords(CDicoApp& app, HWND edit, const std::vector<std::string>& words) {
  std::vector<double> times;
  for (const std::string& word : words) {
    SendMessageA(GetParent(edit), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    for (char c : word) {
      const double start = Now();
      PostMessageA(edit, WM_CHAR, static_cast<BYTE>(c), 1);
      PumpPending(app);
      GdiFlush();
      times.push_back(Now() - start);
    }
  }
  return times;
}

void Report(const char* what, std::vector<double> times, const CResultListBox& list) {
  std::sort(times.begin(), times.end());
  double sum = 0;
  for (double t : times) sum += t;
  const auto at = [&](double fraction) {
    return times[std::min(times.size() - 1, static_cast<size_t>(fraction * times.size()))];
  };
  std::printf("  %s: %zu keystrokes, %.2f ms mean, %.2f median, %.2f at 95%%, %.2f max"
              " (%d items shown in a %ldx%ld list)\n",
              what, times.size(), sum / times.size(), at(0.5), at(0.95), times.back(),
              list.m_nLastVisibleIndex - list.m_nTopIndex + 1,
              list.m_rcClient.right - list.m_rcClient.left,
              list.m_rcClient.bottom - list.m_rcClient.top);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: lookup_view_bench DICTIONARY.vbd [words per language]\n");
    return 2;
  }
  const int wordCount = argc > 2 ? std::max(1, std::atoi(argv[2])) : 40;
  DictionaryAnswer answer(argv[1]);
  SetUserDialogs(&answer);
  CDicoApp app;
  RegistryProfile settings;
  settings.SetRegistryKey("Orvanto", "Orvanto");
  // A fresh start: English source, no history, the dictionary asked for.
  settings.WriteString("Settings", "Language", "English");
  settings.WriteString("Settings", "History", "");
  settings.WriteString("Settings", "Data Folder", "");
  if (!app.InitInstance()) {
    std::fprintf(stderr, "lookup_view_bench: the viewer did not start on %s\n", argv[1]);
    return 1;
  }
  CMainFrame* frame = app.GetMainFrame();
  ShowWindow(frame->m_hWnd, SW_MAXIMIZE);
  PumpPending(app);
  CDicoView* view = frame->GetView();
  HWND edit = GetWindow(view->GetDlgItem(IDC_SEARCH), GW_CHILD);
  SetFocus(edit);
  CResultListBox& list = *view->m_pMainList;

  std::printf("lookup_view_bench: viewer maximized, %d words per language\n", wordCount);
  // The first keystrokes warm the font and glyph caches.
  TypeWords(app, edit, {"warm"});
  Report("English source", TypeWords(app, edit, WordsOfIndex(list, wordCount)), list);
  view->OnChangeTargetLanguage();
  PumpPending(app);
  Report("French source", TypeWords(app, edit, WordsOfIndex(list, wordCount)), list);
  frame->OnShowReverse();  // the result list alone, over the whole height
  PumpPending(app);
  Report("French source, reverse list hidden",
         TypeWords(app, edit, WordsOfIndex(list, wordCount)), list);

  frame->SendMessage(WM_CLOSE);
  PumpPending(app);
  app.ExitInstance();
  SetUserDialogs(nullptr);
  return 0;
}
