#include "display/text_list_box.h"

#include <windowsx.h>

#include <algorithm>

#include "dictionary/charset.h"

namespace {

bool Contains(const GlyphCell& cell, int x, int y) {
  return x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom;
}

// The right-half rule: inside the cell and past its middle.
bool InRightHalf(const GlyphCell& cell, int x, int y) {
  return Contains(cell, x, y) && x > (cell.left + cell.right) / 2;
}

bool IsLetterCell(const GlyphCells& cells, int i) { return IsLetter(cells[i].character); }

}  // namespace

JTextListBox::JTextListBox(int count, int ctrlId)
    // The last double-click lies far enough back that the first click after
    // the list is made is not taken for a third click.
    : JListBox(count, ctrlId), m_dwLastDblClick(GetTickCount() - GetDoubleClickTime() - 1) {}

int JTextListBox::HitTestGlyph(int x, int y, const GlyphCells& cells) {
  const int n = static_cast<int>(cells.size());
  if (n == 0) return -1;
  const GlyphCell& first = cells[0];
  if ((x < first.right && y < first.bottom) || y < first.top) return 0;
  for (int i = 1; i < n; ++i) {
    const GlyphCell& cell = cells[i];
    // A point beyond the end of the previous line belongs before this cell.
    if ((x < cell.right && y >= cell.top && y < cell.bottom) ||
        (y < cell.top && x >= cells[i - 1].right)) {
      return i;
    }
  }
  return n;
}

void JTextListBox::OnSelChanged(int, int) {
  m_nSelStart = m_nSelEnd = m_nAnchorStart = m_nAnchorEnd = -1;
}

void JTextListBox::OnTextSelectionChanged() {}

void JTextListBox::DrawCaret(HDC, const RECT&, int) {}

void JTextListBox::ShowSelectionChange(int item) {
  InvalidateItem(item);
  ::UpdateWindow(m_hWnd);
}

bool JTextListBox::OnClick(UINT flags, int x, int y) {
  const int item = ItemFromPoint(x, y);
  GlyphCells cells;
  LayoutItemAt(cells, item);
  const int n = static_cast<int>(cells.size());
  const int g = HitTestGlyph(x, y, cells);

  if (GetTickCount() - m_dwLastDblClick <= GetDoubleClickTime()) {
    // A third click takes the whole item under the pointer.
    m_nSelStart = 0;
    m_nSelEnd = n - 1;
    m_nAnchorStart = n;
    m_nAnchorEnd = -1;
    ShowSelectionChange(item);
    return true;
  }

  if (item == m_nCurSel && g >= 0 && g >= m_nSelStart && g <= m_nSelEnd && m_nSelEnd < n &&
      Contains(cells[g], x, y)) {
    // A press on the selection drags it out once the pointer leaves it;
    // released in place, it leaves a caret before the pressed character.
    RECT bounds = {cells[m_nSelStart].left, cells[m_nSelStart].top, cells[m_nSelStart].right,
                   cells[m_nSelEnd].bottom};
    for (int i = m_nSelStart; i <= m_nSelEnd; ++i) {
      bounds.left = std::min<LONG>(bounds.left, cells[i].left);
      bounds.right = std::max<LONG>(bounds.right, cells[i].right);
    }
    if (StartDrag(&bounds) != 0) return true;
    m_nSelStart = m_nAnchorStart = g;
    m_nSelEnd = m_nAnchorEnd = g - 1;
    ShowSelectionChange(item);
    return true;
  }

  if (g < 0) return true;
  SetCurSel(item, false);
  ::SetFocus(m_hWnd);
  if (flags & MK_SHIFT) {
    if (g >= n) {
      m_nSelEnd = n - 1;
      m_nSelStart = m_nAnchorStart;
    } else {
      const bool right = InRightHalf(cells[g], x, y);
      if (g > m_nAnchorEnd) {
        m_nSelStart = m_nAnchorStart;
        m_nSelEnd = right ? g : g - 1;
      } else if (g < m_nAnchorStart) {
        m_nSelStart = right ? g + 1 : g;
        m_nSelEnd = m_nAnchorEnd;
      } else {
        m_nSelStart = m_nAnchorStart;
        m_nSelEnd = m_nAnchorEnd;
      }
    }
  } else {
    m_nSelStart = m_nAnchorStart = g;
    m_nSelEnd = m_nAnchorEnd = g - 1;
  }
  ShowSelectionChange(item);
  return true;
}

bool JTextListBox::OnDoubleClick(UINT, int x, int y) {
  const int item = ItemFromPoint(x, y);
  GlyphCells cells;
  LayoutItemAt(cells, item);
  const int n = static_cast<int>(cells.size());
  const int g = HitTestGlyph(x, y, cells);
  if (g >= n) {
    // After the last cell there is no word: a caret at the end.
    m_nSelStart = m_nAnchorStart = n;
    m_nSelEnd = m_nAnchorEnd = n - 1;
  } else {
    int start = g;
    while (start >= 0 && IsLetterCell(cells, start)) --start;
    int end = g + 1;
    while (end < n && IsLetterCell(cells, end)) ++end;
    m_nSelStart = m_nAnchorStart = start + 1;
    m_nSelEnd = m_nAnchorEnd = end - 1;
  }
  InvalidateItem(item);
  m_dwLastDblClick = GetTickCount();
  return true;
}

void JTextListBox::OnMouseMove(UINT flags, int x, int y) {
  if (!(flags & MK_LBUTTON) || !HasFocus()) return;
  GlyphCells cells;
  LayoutItemAt(cells, m_nCurSel);
  const int n = static_cast<int>(cells.size());
  const int g = HitTestGlyph(x, y, cells);
  if (g < 0 || g > n) return;

  int newStart = m_nAnchorStart;
  int newEnd = m_nAnchorEnd;
  const bool right = g < n && InRightHalf(cells[g], x, y);
  if (g < m_nAnchorStart) {
    newStart = right ? g + 1 : g;
  } else if (g > m_nAnchorEnd) {
    newEnd = right ? g : g - 1;
  }

  // Turn the old highlight into the new one by inverting what differs.
  const int oldStart = m_nSelStart;
  const int oldEnd = m_nSelEnd;
  if (HDC dc = OwnDC()) {
    if (newStart < oldStart) {
      InvertGlyphRange(dc, cells, newStart, std::min(newEnd + 1, oldStart) - 1);
    } else {
      InvertGlyphRange(dc, cells, oldStart, std::min(oldEnd + 1, newStart) - 1);
    }
    if (newEnd > oldEnd) {
      InvertGlyphRange(dc, cells, std::max(oldEnd + 1, newStart), newEnd);
    } else {
      InvertGlyphRange(dc, cells, std::max(newEnd + 1, oldStart), oldEnd);
    }
  }
  m_nSelStart = newStart;
  m_nSelEnd = newEnd;
}

bool JTextListBox::MoveSelection(bool left, bool shift, int n) {
  int start = m_nSelStart;
  int end = m_nSelEnd;
  if (start < 0) {
    // Nothing selected: a caret after the last cell, or before the first.
    start = left ? n : 0;
    end = start - 1;
  } else if (shift) {
    if (left && start > 0) --start;
    if (!left && end < n - 1) ++end;
  } else if (end >= start) {
    if (left) {
      end = start - 1;
    } else {
      start = end + 1;
    }
  } else if (left && start > 0) {
    --start;
    end = start - 1;
  } else if (!left && end < n - 1) {
    ++end;
    start = end + 1;
  }
  const bool changed = start != m_nSelStart || end != m_nSelEnd;
  m_nSelStart = start;
  m_nSelEnd = end;
  return changed;
}

void JTextListBox::DrawCurrentItem(HDC dc, int index, const RECT& rcItem) {
  RECT outline = rcItem;
  ::InflateRect(&outline, -1, -1);
  const int grey = HasFocus() ? 180 : 230;
  HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(grey, grey, grey));
  HGDIOBJ oldPen = ::SelectObject(dc, pen);
  const POINT corners[] = {{outline.left, outline.top},
                           {outline.left, outline.bottom},
                           {outline.right, outline.bottom},
                           {outline.right, outline.top},
                           {outline.left, outline.top}};
  ::Polyline(dc, corners, 5);
  ::SelectObject(dc, oldPen);
  ::DeleteObject(pen);

  GlyphCells cells;
  LayoutItemAt(cells, index);
  const int n = static_cast<int>(cells.size());
  if (m_nSelStart >= 0 && m_nSelEnd < m_nSelStart) {
    if (n == 0) return;
    RECT caret;
    if (m_nSelStart < n) {
      const GlyphCell& cell = cells[m_nSelStart];
      caret = {cell.left, cell.top, cell.right, cell.bottom};
    } else {
      const GlyphCell& last = cells[n - 1];
      caret = {last.right, last.top, last.right, last.bottom};
    }
    caret.top += 2;
    caret.bottom -= 3;
    DrawCaret(dc, caret, 0);
  } else if (m_nSelStart >= 0 && m_nSelEnd < n) {
    InvertGlyphRange(dc, cells, m_nSelStart, m_nSelEnd);
  }
}

void JTextListBox::InvertGlyphRange(HDC dc, const GlyphCells& cells, int first, int last) {
  const int n = static_cast<int>(cells.size());
  // Ranges built from a selection that is not one (after a third click) may
  // reach outside the cells; only cells that exist are inverted.
  first = std::max(first, 0);
  last = std::min(last, n - 1);
  if (last < first) return;
  const LONG itemTop = cells.front().top;
  const LONG itemBottom = cells.back().bottom;
  // The highlight stays 3 pixels inside the item's first and last lines,
  // clear of the outline.
  auto invert = [&](RECT rect) {
    if (rect.top == itemTop) rect.top += 3;
    if (rect.bottom == itemBottom) rect.bottom -= 3;
    ::InvertRect(dc, &rect);
  };
  RECT line = {cells[first].left, cells[first].top, cells[first].right, cells[first].bottom};
  for (int i = first + 1; i <= last; ++i) {
    const GlyphCell& cell = cells[i];
    if (cell.top == line.top) {
      line.right = cell.right;
    } else {
      invert(line);
      line = {cell.left, cell.top, cell.right, cell.bottom};
    }
  }
  invert(line);
}

LRESULT JTextListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONUP:
      OnTextSelectionChanged();
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<UINT>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    case WM_KEYDOWN:
      if (wParam == VK_LEFT || wParam == VK_RIGHT) {
        GlyphCells cells;
        LayoutItem(cells, m_nCurSel);
        if (MoveSelection(wParam == VK_LEFT, ::GetKeyState(VK_SHIFT) < 0,
                          static_cast<int>(cells.size()))) {
          ShowSelectionChange(m_nCurSel);
          OnTextSelectionChanged();
        }
        return 0;
      }
      break;
  }
  return JListBox::WindowProc(message, wParam, lParam);
}
