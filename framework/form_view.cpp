#include "framework/form_view.h"

#include "framework/frame_window.h"
#include "framework/framework_ids.h"

bool FormView::Create(FrameWindow* frame, UINT id) {
  m_pFrame = frame;
  HWND form = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(m_nIDTemplate),
                                 frame->m_hWnd, DialogProc, reinterpret_cast<LPARAM>(this));
  if (!form) return false;
  SetWindowLongPtrA(form, GWLP_ID, static_cast<LONG_PTR>(id));
  ShowWindow(form, SW_SHOW);
  return true;
}

LRESULT FormView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITIALUPDATE) {
    OnInitialUpdate();
    return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

bool FormView::PreTranslateMessage(MSG* msg) {
  if (m_pFrame && m_pFrame->PreTranslateMessage(msg)) return true;
  return IsInputMessage(msg->message) && IsDialogMessageA(m_hWnd, msg);
}
