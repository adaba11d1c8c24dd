// The lookup view: the form with the search box, the two direction buttons,
// the result list and, below it, the reverse-translation list with its label.
#pragma once
#include "framework/form_view.h"

class CMainFrame;

class CDicoView : public FormView {
 public:
  CDicoView();

  // Sets the direction buttons and the reverse list's label in the
  // interface language.
  void UpdateLabels();
  // Lays the controls out for a client area of cx × cy pixels: the search box
  // and the buttons on top, the result list taking two thirds of the height
  // left and the reverse list the last third, or the whole of it when the
  // reverse list is hidden. Does nothing while a control is missing.
  void LayoutControls(int cx, int cy);

  void OnInitialUpdate() override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CMainFrame* GetMainFrame() const;
};
