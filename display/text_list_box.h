// Character selection inside the current item of a list, as in a text field:
// a click places an empty selection, a drag or Shift+click extends it, a
// double-click takes a word, a third click the whole item, and Left/Right
// (with or without Shift) move or grow it. A selection is a range of glyph
// cells of the current item, never of text bytes, so markup codes cannot be
// selected.
#pragma once
#include "display/list_box.h"

class JTextListBox : public JListBox {
 public:
  JTextListBox(int count, int ctrlId);

  int m_nSelStart = -1;     // first selected cell; -1: no selection
  int m_nSelEnd = -1;       // last selected cell; m_nSelStart - 1: a caret before m_nSelStart
  int m_nAnchorStart = -1;  // first cell of the fixed part of a mouse selection
  int m_nAnchorEnd = -1;    // last cell of it (m_nAnchorStart - 1 after a click)
  DWORD m_dwLastDblClick;   // tick count of the last double-click

  void DrawCurrentItem(HDC dc, int index, const RECT& rcItem) override;
  // Clears the selection: it lives in one item.
  void OnSelChanged(int oldIndex, int newIndex) override;
  bool OnClick(UINT flags, int x, int y) override;
  bool OnDoubleClick(UINT flags, int x, int y) override;

  // The cell at or after a point: -1 without cells, the number of cells
  // after the last one.
  virtual int HitTestGlyph(int x, int y, const GlyphCells& cells);
  // Called when the user has finished changing the selection.
  virtual void OnTextSelectionChanged();
  // Inverts cells first..last, line by line.
  virtual void InvertGlyphRange(HDC dc, const GlyphCells& cells, int first, int last);
  // A hook for drawing the caret of an empty selection.
  virtual void DrawCaret(HDC dc, const RECT& rect, int flag);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnMouseMove(UINT flags, int x, int y);
  // Left or Right; true when the selection changed.
  bool MoveSelection(bool left, bool shift, int cellCount);
  void ShowSelectionChange(int item);
};
