// Scrolling by whole items: the last page, the scroll bar, moving the picture
// and finding items by position. Heights of the items on screen come from the
// rectangles of the last painting; others are measured by laying them out.
#include <algorithm>
#include <cstdlib>

#include "display/list_box.h"

namespace {

// Scroll-bar positions are 16-bit: up to 32767 items take one unit each.
constexpr int kItemsPerScale = 32768;

}  // namespace

bool JListBox::IsCached(int index) const {
  return index >= m_nTopIndex && index <= m_nLastVisibleIndex &&
         index - m_nTopIndex < kCachedItems;
}

void JListBox::GetItemRect(int index, RECT& rect) {
  if (IsCached(index)) {
    rect = m_rcItemCache[index - m_nTopIndex];
  } else {
    ::SetRectEmpty(&rect);
  }
}

int JListBox::ItemHeight(int index) {
  if (IsCached(index)) {
    const RECT& rect = m_rcItemCache[index - m_nTopIndex];
    return rect.bottom - rect.top + 1;
  }
  return MeasureItemHeight(index);
}

int JListBox::SumHeights(int start, int& end, int limit) {
  if (!OwnDC()) return 0;
  const int step = start < end ? 1 : -1;
  const int items = std::abs(end - start) + 1;
  int total = 0;
  int last = start;
  for (int k = 0, index = start; k < items; ++k, index += step) {
    int height = ItemHeight(index);
    if (total + height > limit) break;
    total += height;
    last = index;
  }
  end = last;
  return total;
}

void JListBox::RecalcScroll() {
  m_nMaxTopIndex = 0;
  m_nScrollScale = m_nCount / kItemsPerScale + 1;
  if (m_nCount > 0) SumHeights(m_nCount - 1, m_nMaxTopIndex, ClientHeight());
  if (!m_hWnd) return;
  const int range = m_nMaxTopIndex / m_nScrollScale;
  int low = 0;
  int high = 0;
  ::GetScrollRange(m_hWnd, SB_VERT, &low, &high);
  if (low != 0 || high != range) ::SetScrollRange(m_hWnd, SB_VERT, 0, range, TRUE);
  UpdateScrollPos();
  ::ShowScrollBar(m_hWnd, SB_VERT, range > 0);
}

void JListBox::UpdateScrollPos() {
  m_nTopIndex = std::clamp(m_nTopIndex, 0, m_nMaxTopIndex);
  if (m_nCurSel < 0 || m_nCount == 0) {
    m_nCurSel = 0;
  } else if (m_nCurSel >= m_nCount) {
    m_nCurSel = m_nCount - 1;
  }
  if (!m_hWnd) return;
  const int position = m_nTopIndex / m_nScrollScale;
  if (::GetScrollPos(m_hWnd, SB_VERT) != position) ::SetScrollPos(m_hWnd, SB_VERT, position, TRUE);
}

void JListBox::ScrollBy(int items, int pixels) {
  const int oldTop = m_nTopIndex;
  const int target = oldTop + items;
  const int newTop = (target < 0 || m_nCount == 0) ? 0 : std::min(target, m_nMaxTopIndex);
  if (newTop == oldTop) return;

  // Positive: the picture moves down (the view scrolls up).
  int shift = 0;
  if (pixels != 0 && newTop == target) {
    shift = pixels;
  } else if (std::abs(oldTop - newTop) >= m_nLastFullIndex - oldTop) {
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
  } else if (newTop < oldTop) {
    int end = oldTop - 1;
    shift = SumHeights(newTop, end, ClientHeight());
  } else {
    int end = oldTop;
    shift = -SumHeights(newTop - 1, end, ClientHeight());
  }
  const bool hasScrollBar = m_hWnd && (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VSCROLL);
  // The system's scroll reports no useful region under every platform: the
  // uncovered strip is invalidated by it and repainted below.
  if (shift != 0 && hasScrollBar) {
    ::ScrollWindowEx(m_hWnd, 0, shift, nullptr, nullptr, nullptr, nullptr,
                     SW_INVALIDATE | SW_ERASE);
  }

  m_nTopIndex = newTop;
  UpdateScrollPos();
  if (m_hWnd) ::UpdateWindow(m_hWnd);
}

void JListBox::EnsureRangeVisible(int a, int b) {
  const int first = std::min(a, b);
  const int last = std::max(a, b);
  if (first <= m_nTopIndex) {
    ScrollBy(first - m_nTopIndex, 0);
  } else if (last > m_nLastFullIndex) {
    // The smallest top from which `last` still fits; when the range cannot
    // fit, its first item goes to the top.
    int top = m_nTopIndex;
    SumHeights(last, top, ClientHeight());
    ScrollBy(std::min(first, top) - m_nTopIndex, 0);
  }
}

int JListBox::ItemFromPoint(int, int y) {
  // The walk ends at the last item, so a point below it gives m_nCount.
  int end = m_nCount - 1;
  int total = SumHeights(m_nTopIndex, end, y);
  if (total == 0 && end == m_nTopIndex) return m_nTopIndex;
  return end + 1;
}

void JListBox::OnVScroll(int code, int thumbPosition) {
  switch (code) {
    case SB_LINEUP:
      ScrollBy(-1, 0);
      break;
    case SB_LINEDOWN:
      ScrollBy(1, 0);
      break;
    case SB_PAGEUP: {
      // The items above that fill one window height come down into view.
      int end = 0;
      int pixels = SumHeights(m_nTopIndex - 1, end, ClientHeight());
      ScrollBy(end - m_nTopIndex, pixels);
      break;
    }
    case SB_PAGEDOWN: {
      // The last fully visible item becomes the top. When none is (the top
      // item is taller than the window), the view moves on by one item.
      int step = m_nLastFullIndex - m_nTopIndex;
      ScrollBy(step < 0 ? 1 : step, 0);
      break;
    }
    case SB_THUMBPOSITION:
      ScrollBy(m_nScrollScale * thumbPosition - m_nTopIndex, 0);
      break;
    case SB_TOP:
      ScrollBy(-m_nTopIndex, 0);
      break;
    case SB_BOTTOM:
      ScrollBy(m_nCount, 0);
      break;
    default:  // thumb tracking moves nothing until the thumb is released
      break;
  }
}
