// Which of the view's controls has the focus or lies under a point, and how
// Tab and Shift+Tab move the focus between the search box and the lists.
#include "app/dico_view.h"
#include "app/resource.h"

namespace {

// The control Tab (or Shift+Tab) takes the focus to from `current`; the
// reverse list takes part only while it is shown.
int NextFocus(int current, bool shift, bool reverseShown) {
  switch (current) {
    case IDC_SEARCH:
      return shift && reverseShown ? IDC_REVERSE_LIST : IDC_RESULT_LIST;
    case IDC_RESULT_LIST:
      return !shift && reverseShown ? IDC_REVERSE_LIST : IDC_SEARCH;
    case IDC_REVERSE_LIST:
      return shift && reverseShown ? IDC_RESULT_LIST : IDC_SEARCH;
    default:
      return IDC_SEARCH;
  }
}

}  // namespace

int CDicoView::FocusedControl() const {
  HWND window = GetFocus();
  if (!window || !IsChild(m_hWnd, window)) return 0;
  // The search box's edit field (1001) stands for the search box.
  while (GetParent(window) != m_hWnd) window = GetParent(window);
  return GetDlgCtrlID(window);
}

int CDicoView::ControlAt(POINT point) const {
  HWND window = ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE);
  return window && window != m_hWnd ? GetDlgCtrlID(window) : 0;
}

bool CDicoView::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_KEYDOWN || msg->wParam != VK_TAB) {
    return FormView::PreTranslateMessage(msg);
  }
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const int next = NextFocus(FocusedControl(), shift, IsReverseListShown());
  if (next == IDC_SEARCH) {
    FocusSearchBox();
  } else {
    SetFocus(GetDlgItem(next));
  }
  return true;
}
