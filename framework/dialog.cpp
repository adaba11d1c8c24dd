#include "framework/dialog.h"

#include <vector>

void DataExchange::Text(int id, std::string& value) const {
  HWND control = GetDlgItem(m_hDialog, id);
  if (!m_bSave) {
    SetWindowTextA(control, value.c_str());
    return;
  }
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  value = text.data();
}

INT_PTR Dialog::DoModal() {
  m_bModal = true;
  return DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(m_nIDTemplate), m_hParent,
                         DialogProc, reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create() {
  m_bModal = false;
  return CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(m_nIDTemplate), m_hParent,
                            DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::EndDialog(int result) {
  if (m_bModal) {
    ::EndDialog(m_hWnd, result);
  } else {
    DestroyWindow();
  }
}

void Dialog::UpdateData(bool save) {
  DataExchange exchange(m_hWnd, save);
  DoDataExchange(exchange);
}

bool Dialog::PreTranslateMessage(MSG* msg) {
  return !m_bModal && IsInputMessage(msg->message) && IsDialogMessageA(m_hWnd, msg);
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::OnOK() {
  UpdateData(true);
  EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) break;
      if (LOWORD(wParam) == IDOK) {
        OnOK();
        return 0;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        OnCancel();
        return 0;
      }
      break;
  }
  return DefaultProc(message, wParam, lParam);
}
