#include "framework/frame_window.h"

#include <commctrl.h>

#include "framework/application.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/form_view.h"
#include "framework/framework_ids.h"
#include "framework/strings.h"

namespace {

const char kFrameClass[] = "Orvanto.FrameWindow";
const size_t kMaxPromptLength = 255;

UINT PromptOfSystemCommand(UINT command) {
  return IDS_SYSTEM_COMMAND_FIRST + (command - SC_SIZE) / 16;
}

bool IsSystemCommand(UINT id) { return id >= SC_SIZE && id < SC_SIZE + 31 * 16; }

}  // namespace

bool FrameWindow::LoadFrame(UINT resourceId, DWORD style) {
  HINSTANCE instance = ResourceInstance();
  WNDCLASSA windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(resourceId));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kFrameClass;
  if (!RegisterWindowClass(windowClass)) {
    delete this;
    return false;
  }
  std::string templateString = LoadResourceString(resourceId);
  m_strTitle = templateString.substr(0, templateString.find('\n'));
  m_hAccelTable = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
  HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(resourceId));
  if (!CreateEx(0, kFrameClass, m_strTitle.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu)) {
    if (menu) DestroyMenu(menu);
    return false;
  }
  return true;
}

void FrameWindow::InitialUpdateFrame(int cmdShow) {
  UpdateFrameTitle();
  if (m_pView) m_pView->SendMessage(WM_INITIALUPDATE);
  // Depth first, each window's children listed after it has had the message,
  // so that windows created during an update get theirs once.
  auto sendToChildren = [this](auto& self, HWND parent) -> void {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!m_pView || child != m_pView->m_hWnd) ::SendMessageA(child, WM_INITIALUPDATE, 0, 0);
      self(self, child);
    }
  };
  sendToChildren(sendToChildren, m_hWnd);
  ShowWindow(m_hWnd, cmdShow);
  UpdateWindow(m_hWnd);
}

bool FrameWindow::RouteCommand(UINT id, CommandState* state) {
  if (state) state->m_nID = id;
  CommandTarget* targets[] = {m_pView.get(), m_pDocument, this, TheApp()};
  for (CommandTarget* target : targets) {
    if (target && target->OnCommand(id, state)) return true;
  }
  return false;
}

void FrameWindow::GetMessageString(UINT id, std::string& message) const {
  message = id ? LoadResourceString(id).substr(0, kMaxPromptLength) : std::string();
  message = message.substr(0, message.find('\n'));
}

void FrameWindow::SetMessageText(const std::string& text) {
  HWND bar = GetMessageBar();
  if (bar) ::SendMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
  m_nIDLastMessage = 0;
}

void FrameWindow::ShowPrompt(UINT id) {
  std::string prompt;
  GetMessageString(id, prompt);
  SetMessageText(prompt);
  m_nIDLastMessage = id;
}

LRESULT FrameWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if (m_pView && !m_pView->Create(this, ID_VIEW_PANE)) return -1;
      return DefaultProc(message, wParam, lParam);
    case WM_SIZE:
      DefaultProc(message, wParam, lParam);
      RecalcLayout();
      return 0;
    case WM_SETFOCUS:
      if (m_pView && m_pView->m_hWnd) SetFocus(m_pView->m_hWnd);
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_COMMAND:
      if (lParam != 0) break;  // a notification from a control of the frame
      ExecuteCommand(LOWORD(wParam), HIWORD(wParam) == 1);
      return 0;
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_MENUSELECT:
      OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      return 0;
    case WM_SETMESSAGESTRING:
      if (lParam) {
        SetMessageText(reinterpret_cast<const char*>(lParam));
      } else {
        ShowPrompt(static_cast<UINT>(wParam));
      }
      return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

bool FrameWindow::PreTranslateMessage(MSG* msg) {
  bool key = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
  return key && m_hAccelTable && TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg);
}

void FrameWindow::OnClose() { DestroyWindow(); }

void FrameWindow::PostNcDestroy() {
  Application* app = TheApp();
  bool mainWindow = app && app->m_pMainWnd == this;
  if (mainWindow) app->m_pMainWnd = nullptr;
  SingleDocTemplate* docTemplate = m_pTemplate;
  m_pView.reset();
  delete this;
  if (docTemplate) docTemplate->CloseDocument();
  if (mainWindow) PostQuitMessage(0);
}

void FrameWindow::RecalcLayout() {
  RECT client;
  GetClientRect(m_hWnd, &client);
  int viewBottom = client.bottom;
  HWND bar = GetMessageBar();
  if (bar) {
    ::SendMessageA(bar, WM_SIZE, 0, 0);
    RECT barRect;
    GetWindowRect(bar, &barRect);
    viewBottom -= barRect.bottom - barRect.top;
  }
  if (m_pView && m_pView->m_hWnd) {
    MoveWindow(m_pView->m_hWnd, 0, 0, client.right, viewBottom > 0 ? viewBottom : 0, TRUE);
  }
}

void FrameWindow::OnMenuSelect(UINT itemId, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && !menu) {
    m_nIDTracking = IDS_IDLE_MESSAGE;  // the menu closed
  } else if (itemId == 0 || (flags & (MF_SEPARATOR | MF_POPUP))) {
    m_nIDTracking = 0;
  } else if (IsSystemCommand(itemId)) {
    m_nIDTracking = PromptOfSystemCommand(itemId);
  } else {
    m_nIDTracking = itemId;
  }
  if (m_nIDTracking != m_nIDLastMessage) ShowPrompt(m_nIDTracking);
}

void FrameWindow::OnInitMenuPopup(HMENU popup) {
  int count = GetMenuItemCount(popup);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
    if (!GetMenuItemInfoA(popup, static_cast<UINT>(position), TRUE, &item)) continue;
    if (item.hSubMenu || (item.fType & MFT_SEPARATOR) || item.wID == 0) continue;
    CommandState state;
    bool handled = RouteCommand(item.wID, &state);
    // An item that nobody handles could do nothing: it is shown disabled.
    bool enabled = handled && state.m_bEnabled;
    EnableMenuItem(popup, static_cast<UINT>(position),
                   MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
    if (handled && state.m_nCheck >= 0) {
      CheckMenuItem(popup, static_cast<UINT>(position),
                    MF_BYPOSITION | (state.m_nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
  }
}

void FrameWindow::ExecuteCommand(UINT id, bool fromAccelerator) {
  // A menu item's state was asked when its popup opened; an accelerator's
  // command is asked now, whether or not a menu item shows it.
  if (fromAccelerator) {
    CommandState state;
    if (!RouteCommand(id, &state) || !state.m_bEnabled) return;
  }
  RouteCommand(id, nullptr);
}

void FrameWindow::UpdateFrameTitle() {
  LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  std::string title = m_strTitle;
  if ((style & FWS_ADDTOTITLE) && m_pDocument) title = m_pDocument->m_strTitle + " - " + title;
  SetWindowTextA(m_hWnd, title.c_str());
}
