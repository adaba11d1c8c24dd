// The owner-drawn list in which the viewer shows dictionary entries. It holds
// no strings: it knows how many items there are, asks its own virtual
// operations for each item's text, lays the text out over several lines with
// bold, italic and coloured runs, and so gives every item its own height. It
// scrolls by whole items, keeps the rectangles of the items it painted last,
// and exports a selected text to the clipboard and by drag and drop. On its
// own it shows numbered placeholder lines.
#pragma once
#include <windows.h>

#include "dictionary/text.h"
#include "display/glyph_cell.h"
#include "framework/window.h"

class JListBox : public Window {
 public:
  static constexpr int kCachedItems = 50;

  JListBox(int count, int ctrlId);
  ~JListBox() override;

  int m_nCount;
  int m_nTopIndex = 0;
  int m_nCurSel = 0;
  int m_nMaxTopIndex = 0;        // the first item of the last page
  int m_nLastFullIndex = 0;      // last item the last painting drew whole (top - 1: none)
  int m_nLastVisibleIndex = 0;   // last item the last painting drew at all
  int m_nScrollScale = 1;        // items per scroll-bar unit
  int m_nLineHeight = 20;
  int m_nLeading = 8;            // added to the font height to give the line height
  int m_nCtrlId;
  RECT m_rcClient = {};
  // Slot k holds item m_nTopIndex + k as painted last; bottom is inclusive.
  RECT m_rcItemCache[kCachedItems] = {};
  HFONT m_pFontPlain = nullptr;
  HFONT m_pFontItalic = nullptr;
  HFONT m_pFontBold = nullptr;

  // Called by the framework's initial update.
  virtual void Reset();
  virtual void DrawBackground(HDC dc, int flag);
  virtual void DrawItems(HDC dc);
  virtual void DrawCurrentItem(HDC dc, int index, const RECT& rcItem);
  virtual void GetMargins(int index, int& firstIndent, int& continuationIndent);
  virtual void GetSelectedText(Text& text);
  virtual void GetItemText(int index, Text& text);
  virtual void GetItemFormattedText(int index, Text& text);
  virtual void DrawItemText(const GlyphCells& cells, int y, HDC dc);
  virtual int MeasureItemHeight(int index);
  // Lays an item's formatted text out into cells; returns its height.
  virtual int LayoutItem(GlyphCells& cells, int index);
  // LayoutItem, with the cells in window coordinates when the item is cached.
  virtual void LayoutItemAt(GlyphCells& cells, int index);
  // The characters from cell `index` on that share its font, colour and line.
  virtual void GetRun(const GlyphCells& cells, int count, int index, int& next, Text& text);
  virtual void GetItemRect(int index, RECT& rect);
  virtual void UpdateScrollPos();
  virtual void RecalcScroll();
  virtual void SetCurSel(int index, bool redrawNow);
  virtual void OnSelChanged(int oldIndex, int newIndex);
  virtual int ItemFromPoint(int x, int y);
  virtual bool OnClick(UINT flags, int x, int y);
  virtual bool OnDoubleClick(UINT flags, int x, int y);
  // Drags the selected text out once the pointer leaves `startRect` (null:
  // the client area); returns the drop effect, 0 when nothing was dropped.
  virtual DWORD StartDrag(const RECT* startRect);
  // Size in tenths of a point.
  virtual void SetDisplayFont(int size, const char* face);
  virtual void CopyToClipboard();

  bool Create(HWND parent);
  void SetCount(int count);
  int GetCurSel() const { return m_nCurSel; }
  void InvalidateItem(int index);
  // Adds the heights of the items from `start` toward `end` while they fit in
  // `limit` pixels; `end` becomes the last one that fitted (`start` when none).
  int SumHeights(int start, int& end, int limit);
  void ScrollBy(int items, int pixels);
  void EnsureRangeVisible(int a, int b);
  void EnsureVisible(int index) { EnsureRangeVisible(index, index); }
  void SetTopIndex(int index) { ScrollBy(index - m_nTopIndex, 0); }

  // Arrow keys, Home, End and Return go to this list, not to the dialog
  // navigation of the form around it.
  bool PreTranslateMessage(MSG* msg) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The window's own device context (the class owns one), or null.
  HDC OwnDC() const { return m_hWnd ? ::GetDC(m_hWnd) : nullptr; }
  int ClientHeight() const { return m_rcClient.bottom - m_rcClient.top; }
  bool HasFocus() const { return m_hWnd && ::GetFocus() == m_hWnd; }

 private:
  void OnPaint();
  void OnVScroll(int code, int thumbPosition);
  void OnKeyDown(WPARAM key, LPARAM lParam);
  void OnSize();
  void DeleteFonts();
  bool IsCached(int index) const;
  int ItemHeight(int index);
};
