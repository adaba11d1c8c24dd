// Helpers for tests of the lists: a visible window to hold them, the message
// that input sends, what a window shows read back from the screen, and texts
// measured in the lists' fonts.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "display/list_box.h"
#include "framework/application.h"
#include "framework/gui_test_support.h"

// A list whose items show the formatted texts a test gives; it counts the
// changes of its current item.
template <class List>
class ScriptedList : public List {
 public:
  ScriptedList(int count, std::function<std::string(int)> text)
      : List(count, 1005), m_text(std::move(text)) {}

  std::function<std::string(int)> m_text;
  int m_nFirstIndent = 0;
  int m_nContinuationIndent = 0;
  int m_nSelChanges = 0;

  void GetItemFormattedText(int index, Text& text) override { text = MakeText(m_text(index)); }
  void GetMargins(int, int& firstIndent, int& continuationIndent) override {
    firstIndent = m_nFirstIndent;
    continuationIndent = m_nContinuationIndent;
  }
  void OnSelChanged(int oldIndex, int newIndex) override {
    ++m_nSelChanges;
    List::OnSelChanged(oldIndex, newIndex);
  }
};

// A visible top-level window without frame at the desktop's top left, in the
// foreground so that its children can take the keyboard focus.
class TestHost : public Window {
 public:
  TestHost(int width, int height);
};

// Places a list in the host with a client area of width × height pixels
// (the list has a border) and gives it a font.
void PlaceList(JListBox& list, const TestHost& host, int width, int height,
               int fontSize = 100, const char* face = "Arial");

// What a window's client area shows, as 32-bit pixels.
class Screenshot {
 public:
  explicit Screenshot(HWND window);
  // A text drawn at the top left of a white picture, as a list draws a run.
  Screenshot(HFONT font, const std::string& text, int width, int height);

  int m_nWidth = 0;
  int m_nHeight = 0;

  COLORREF At(int x, int y) const;
  // True when a pixel of the rectangle differs from `colour`.
  bool HasInkIn(const RECT& rect, COLORREF colour = RGB(255, 255, 255)) const;
  bool SameAs(const Screenshot& other) const { return m_pixels == other.m_pixels; }
  // True when the `height` rows from `top` show `other`'s top rows, each pixel
  // inverted when asked.
  bool ShowsAt(int top, const Screenshot& other, int height, bool inverted = false) const;
  // Writes a BMP file, to look at what was drawn.
  void Save(const std::string& path) const;

 private:
  void Copy(HDC dc);

  std::vector<uint32_t> m_pixels;  // 0x00RRGGBB, top row first
};

// Sets a list's client area to width × height pixels (the list has a border).
void SizeList(JListBox& list, int width, int height);

// Repaints the whole window now and reads it back.
Screenshot PaintAndCapture(HWND window);

// The width of a text in a font, as the system measures it.
int TextWidth(HFONT font, const std::string& text);

// Mouse messages as the system sends them for input at a client point.
inline LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

// A press and release of the left button, Shift or Ctrl held as the flags
// say. The release is queued before the press is handled, as when the user
// clicks: a press that waits to see whether a drag begins sees it.
inline void Click(Application& app, HWND window, POINT point, UINT flags = 0) {
  PostMessageA(window, WM_LBUTTONUP, flags, Point(point.x, point.y));
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON | flags, Point(point.x, point.y));
  PumpPending(app);
}
