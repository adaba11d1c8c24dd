#include "app/main_frame.h"

#include <cstdint>

#include "app/dico_app.h"
#include "app/dico_view.h"
#include "app/resource.h"
#include "framework/framework_ids.h"

namespace {

#ifdef ORVANTO_DEVELOPER_COMMANDS
constexpr bool kDeveloperMenu = true;
#else
constexpr bool kDeveloperMenu = false;
#endif

// Deletes the top-level popup that holds `command`, with its items.
void RemovePopupHolding(HMENU menu, UINT command) {
  for (int position = GetMenuItemCount(menu) - 1; position >= 0; --position) {
    HMENU popup = GetSubMenu(menu, position);
    if (popup && GetMenuState(popup, command, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
      DeleteMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
    }
  }
}

}  // namespace

bool CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.style &= ~FWS_ADDTOTITLE;  // the caption stays the product's name
  return FrameWindow::PreCreateWindow(cs);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if (FrameWindow::WindowProc(message, wParam, lParam) == -1) return -1;
      if (!m_wndStatusBar.Create(m_hWnd, ID_STATUS_BAR)) return -1;
      InstallMenu();
      return 0;
    case WM_CLOSE:
      SavePlacement();
      break;
  }
  return FrameWindow::WindowProc(message, wParam, lParam);
}

bool CMainFrame::OnCommand(UINT id, CommandState* state) {
  switch (id) {
    case ID_VIEW_SHOW_REVERSE:
      if (state) {
        state->SetCheck(m_bShowReverse);
      } else {
        OnShowReverse();
      }
      return true;
    case ID_VIEW_INTERFACE_LANGUAGE:
      if (!state) OnInterfaceLanguage();
      return true;
  }
  return FrameWindow::OnCommand(id, state);
}

void CMainFrame::GetMessageString(UINT id, std::string& message) const {
  if (id >= ID_VOICE_FIRST && id <= ID_VOICE_LAST) id = IDS_SELECT_VOICE;
  FrameWindow::GetMessageString(TheDicoApp().GetInterfaceStringId(id), message);
}

CDicoView* CMainFrame::GetView() const { return static_cast<CDicoView*>(m_pView.get()); }

void CMainFrame::RestorePlacement() {
  const CDicoApp& app = TheDicoApp();
  int left = app.GetSettingInt(IDS_WINDOW_LEFT);
  int top = app.GetSettingInt(IDS_WINDOW_TOP);
  int width = app.GetSettingInt(IDS_WINDOW_WIDTH);
  int height = app.GetSettingInt(IDS_WINDOW_HEIGHT);
  RECT screen;
  GetClientRect(GetDesktopWindow(), &screen);
  // Sums in 64 bits: values edited by hand must not wrap around.
  bool onScreen = left && top && width && height && left < screen.right && top < screen.bottom &&
                  int64_t{left} + width > 0 && int64_t{top} + height > 0;
  if (onScreen) {
    MoveWindow(m_hWnd, left, top, width, height, TRUE);
  } else {
    MoveWindow(m_hWnd, 50, 50, screen.right / 4, (3 * screen.bottom) / 5, TRUE);
  }
  ShowWindow(m_hWnd, app.GetSettingInt(IDS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
}

void CMainFrame::SavePlacement() {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(m_hWnd, &placement)) return;
  const RECT& normal = placement.rcNormalPosition;
  const CDicoApp& app = TheDicoApp();
  app.WriteSettingInt(IDS_WINDOW_LEFT, normal.left);
  app.WriteSettingInt(IDS_WINDOW_TOP, normal.top);
  app.WriteSettingInt(IDS_WINDOW_HEIGHT, normal.bottom - normal.top);
  app.WriteSettingInt(IDS_WINDOW_WIDTH, normal.right - normal.left);
  app.WriteSettingInt(IDS_MAXIMIZE, IsZoomed(m_hWnd) ? 1 : 0);
}

void CMainFrame::InstallMenu() {
  const CDicoApp& app = TheDicoApp();
  bool french = app.m_nInterfaceLanguage == kFrench;
  HMENU menu =
      LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(french ? IDR_FRENCH_MENU : IDR_MAINFRAME));
  // The developer commands' popup stays only in a developer build.
  if (!french && !kDeveloperMenu) RemovePopupHolding(menu, ID_BUILD_DICTIONARY);
  // The Speech popup is for a running speech engine only.
  if (!app.m_pSpeech) RemovePopupHolding(menu, ID_SPEAK);
  HMENU previous = GetMenu(m_hWnd);
  SetMenu(m_hWnd, menu);
  if (previous) DestroyMenu(previous);
}

void CMainFrame::OnInterfaceLanguage() {
  CDicoApp& app = TheDicoApp();
  app.m_nInterfaceLanguage = app.m_nInterfaceLanguage == kFrench ? kEnglish : kFrench;
  InstallMenu();
  SendMessage(WM_SETMESSAGESTRING, IDS_IDLE_MESSAGE);
  if (CDicoView* view = GetView()) view->UpdateLabels();
}

void CMainFrame::OnShowReverse() {
  m_bShowReverse = !m_bShowReverse;
  CDicoView* view = GetView();
  if (!view || !view->m_hWnd) return;
  RECT client;
  GetClientRect(view->m_hWnd, &client);
  view->LayoutControls(client.right, client.bottom);
}
