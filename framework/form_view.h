// A view made from a dialog template: a child form inside a frame, whose
// controls are laid out by the template and navigated with the dialog keys.
#pragma once
#include "framework/window.h"

class Document;
class FrameWindow;

class FormView : public Window {
 public:
  explicit FormView(UINT templateId) : m_nIDTemplate(templateId) {}

  Document* m_pDocument = nullptr;

  // Creates the form as a visible child of the frame with the given id.
  bool Create(FrameWindow* frame, UINT id);
  FrameWindow* GetParentFrame() const { return m_pFrame; }

  // Called once the document is open, before the frame is shown.
  virtual void OnInitialUpdate() {}

  // The frame translates its accelerators first; then keyboard and mouse
  // input gets the dialog handling (Tab, arrows between controls, Enter).
  bool PreTranslateMessage(MSG* msg) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  UINT m_nIDTemplate;
  FrameWindow* m_pFrame = nullptr;
};
