// Painting: the visible items, top down, each laid out afresh; their
// rectangles are kept for scrolling and invalidation until the next painting.
#include "display/list_box.h"

void JListBox::OnPaint() {
  PAINTSTRUCT paint;
  // The class owns its device context: it carries the plain font and the
  // white background set earlier.
  HDC dc = ::BeginPaint(m_hWnd, &paint);
  DrawBackground(dc, 0);
  DrawItems(dc);
  ::EndPaint(m_hWnd, &paint);
}

void JListBox::DrawBackground(HDC, int) {}

void JListBox::DrawItems(HDC dc) {
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &m_rcClient, nullptr, 0, nullptr);
  m_nLastFullIndex = m_nTopIndex - 1;
  m_nLastVisibleIndex = m_nTopIndex - 1;
  GlyphCells cells;
  int y = m_rcClient.top;
  for (int i = m_nTopIndex; i < m_nCount && y <= m_rcClient.bottom; ++i) {
    const int height = LayoutItem(cells, i);
    const RECT item = {m_rcClient.left, y, m_rcClient.right, y + height - 1};
    if (i - m_nTopIndex < kCachedItems) m_rcItemCache[i - m_nTopIndex] = item;
    DrawItemText(cells, y, dc);
    ++m_nLastVisibleIndex;
    if (y + height <= m_rcClient.bottom) ++m_nLastFullIndex;
    if (i == m_nCurSel) DrawCurrentItem(dc, i, item);
    y += height;
  }
}

void JListBox::DrawCurrentItem(HDC dc, int, const RECT& rcItem) {
  ::InvertRect(dc, &rcItem);
  if (!HasFocus()) return;
  HPEN pen = ::CreatePen(PS_DOT, 1, RGB(200, 200, 200));
  HGDIOBJ oldPen = ::SelectObject(dc, pen);
  const POINT outline[] = {{rcItem.left, rcItem.top},
                           {rcItem.right - 1, rcItem.top},
                           {rcItem.right - 1, rcItem.bottom - 1},
                           {rcItem.left, rcItem.bottom - 1},
                           {rcItem.left, rcItem.top}};
  ::Polyline(dc, outline, 5);
  ::SelectObject(dc, oldPen);
  ::DeleteObject(pen);
}
