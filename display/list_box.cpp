#include "display/list_box.h"

#include <windowsx.h>

#include <cstdio>
#include <cstdlib>

#include "display/point_font.h"
#include "framework/framework_ids.h"

namespace {

const char kClassName[] = "OrvantoListBox";

Text Numbered(const char* format, int index) {
  char text[96];
  std::snprintf(text, sizeof text, format, index);
  return MakeText(text);
}

}  // namespace

JListBox::JListBox(int count, int ctrlId) : m_nCount(count), m_nCtrlId(ctrlId) {}

JListBox::~JListBox() { DeleteFonts(); }

bool JListBox::Create(HWND parent) {
  WNDCLASSA windowClass = {};
  // An own device context keeps the display font and the background colour
  // selected between paintings and measurements.
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC;
  windowClass.lpszClassName = kClassName;
  if (!RegisterWindowClass(windowClass)) return false;
  return CreateEx(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP,
                  0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_nCtrlId)));
}

void JListBox::SetCount(int count) {
  if (count < 0) return;
  m_nCount = count;
  RecalcScroll();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void JListBox::Reset() {
  if (HDC dc = OwnDC()) SetBkColor(dc, RGB(255, 255, 255));
  RecalcScroll();
}

void JListBox::GetMargins(int, int& firstIndent, int& continuationIndent) {
  firstIndent = 0;
  continuationIndent = 0;
}

void JListBox::GetSelectedText(Text& text) {
  text = Numbered("%d. This is the default JListBox selected string.", m_nCurSel);
}

void JListBox::GetItemText(int index, Text& text) {
  text = Numbered("%d. This is the default JListBox string.", index);
}

void JListBox::GetItemFormattedText(int index, Text& text) {
  text = Numbered("%d. This is the default JListBox formatted string.", index);
}

void JListBox::SetCurSel(int index, bool redrawNow) {
  if (index < 0 || index >= m_nCount || index == m_nCurSel) return;
  int old = m_nCurSel;
  InvalidateItem(index);
  InvalidateItem(old);
  m_nCurSel = index;
  OnSelChanged(old, index);
  if (redrawNow && m_hWnd) ::UpdateWindow(m_hWnd);
}

void JListBox::OnSelChanged(int, int) {}

void JListBox::InvalidateItem(int index) {
  if (index < 0 || index >= m_nCount || !m_hWnd) return;
  RECT rect;
  GetItemRect(index, rect);
  if (::IsRectEmpty(&rect)) return;
  ::InflateRect(&rect, 3, 3);
  ::InvalidateRect(m_hWnd, &rect, TRUE);
}

bool JListBox::OnClick(UINT, int x, int y) {
  SetCurSel(ItemFromPoint(x, y), true);
  ::SetFocus(m_hWnd);
  StartDrag(nullptr);
  return true;
}

bool JListBox::OnDoubleClick(UINT, int, int) { return false; }

void JListBox::SetDisplayFont(int size, const char* face) {
  DeleteFonts();
  m_pFontPlain = CreatePointFont(size, face);
  LOGFONTA description = {};
  ::GetObjectA(m_pFontPlain, sizeof description, &description);
  description.lfItalic = TRUE;
  m_pFontItalic = ::CreateFontIndirectA(&description);
  description.lfItalic = FALSE;
  description.lfWeight = FW_BOLD;
  m_pFontBold = ::CreateFontIndirectA(&description);
  if (HDC dc = OwnDC()) ::SelectObject(dc, m_pFontPlain);
  m_nLineHeight = std::abs(description.lfHeight) + m_nLeading;
  RecalcScroll();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void JListBox::DeleteFonts() {
  // A font still selected into the own device context would not be deleted.
  if (HDC dc = OwnDC()) ::SelectObject(dc, ::GetStockObject(SYSTEM_FONT));
  for (HFONT* font : {&m_pFontPlain, &m_pFontItalic, &m_pFontBold}) {
    if (*font) ::DeleteObject(*font);
    *font = nullptr;
  }
}

bool JListBox::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_KEYDOWN || msg->hwnd != m_hWnd) return false;
  switch (msg->wParam) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_RETURN:
      SendMessage(WM_KEYDOWN, msg->wParam, msg->lParam);
      return true;
    default:
      return false;
  }
}

LRESULT JListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_VSCROLL:
      // A separate scroll-bar control is not this window's own scroll bar.
      if (lParam == 0) OnVScroll(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_SIZE: {
      LRESULT result = DefaultProc(message, wParam, lParam);
      OnSize();
      return result;
    }
    case WM_LBUTTONDOWN:
      if (OnClick(static_cast<UINT>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) return 0;
      break;
    case WM_LBUTTONDBLCLK:
      if (OnDoubleClick(static_cast<UINT>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) {
        return 0;
      }
      break;
    case WM_KEYDOWN:
      OnKeyDown(wParam, lParam);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The focus marks of the current item appear or disappear.
      ::InvalidateRect(m_hWnd, nullptr, TRUE);
      break;
    case WM_INITIALUPDATE:
      Reset();
      return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

void JListBox::OnKeyDown(WPARAM key, LPARAM lParam) {
  switch (key) {
    case VK_PRIOR:
      OnVScroll(SB_PAGEUP, 0);
      break;
    case VK_NEXT:
      OnVScroll(SB_PAGEDOWN, 0);
      break;
    case VK_END:
      OnVScroll(SB_BOTTOM, 0);
      break;
    case VK_HOME:
      OnVScroll(SB_TOP, 0);
      break;
    case VK_UP:
    case VK_DOWN:
      SetCurSel(m_nCurSel + (key == VK_UP ? -1 : 1), true);
      ::UpdateWindow(m_hWnd);
      EnsureVisible(m_nCurSel);
      break;
    default:
      DefaultProc(WM_KEYDOWN, key, lParam);
  }
}

void JListBox::OnSize() {
  ::GetClientRect(m_hWnd, &m_rcClient);
  RecalcScroll();
}
