#include "framework/status_bar.h"

#include <commctrl.h>

#include "framework/window.h"

bool StatusBar::Create(HWND parent, UINT id) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  m_hWnd = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                           0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           ResourceInstance(), nullptr);
  if (!m_hWnd) return false;
  int rightEdges[] = {-1};
  ::SendMessageA(m_hWnd, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
  return true;
}

void StatusBar::SetText(const std::string& text) const {
  ::SendMessageA(m_hWnd, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::GetText() const {
  LRESULT length = LOWORD(::SendMessageA(m_hWnd, SB_GETTEXTLENGTHA, 0, 0));
  std::string text(static_cast<size_t>(length) + 1, '\0');
  ::SendMessageA(m_hWnd, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}
