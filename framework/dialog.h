// Modal and modeless dialogs from templates, with a simple exchange of values
// between members and controls: into the controls when the dialog opens, back
// into the members on OK.
#pragma once
#include <string>

#include "framework/window.h"

class DataExchange {
 public:
  DataExchange(HWND dialog, bool save) : m_hDialog(dialog), m_bSave(save) {}

  // The text of control `id`.
  void Text(int id, std::string& value) const;

 private:
  HWND m_hDialog;
  bool m_bSave;  // true: controls to members
};

class Dialog : public Window {
 public:
  Dialog(UINT templateId, HWND parent) : m_nIDTemplate(templateId), m_hParent(parent) {}

  // Runs the dialog until it ends; returns the value it ended with (IDOK,
  // IDCANCEL), or -1 when it could not be created.
  INT_PTR DoModal();
  // Creates the dialog modeless; it lives until it is destroyed.
  bool Create();
  // Ends a modal dialog with `result`, or destroys a modeless one.
  void EndDialog(int result);
  void UpdateData(bool save);

  // Keyboard and mouse input of a modeless dialog gets the dialog handling.
  bool PreTranslateMessage(MSG* msg) override;

 protected:
  // Fills the controls from the members; true lets the system set the focus.
  virtual bool OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(DataExchange& exchange) { (void)exchange; }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  UINT m_nIDTemplate;
  HWND m_hParent;
  bool m_bModal = false;
};
