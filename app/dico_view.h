// The lookup view: the form with the search box, the two direction buttons,
// the result list and, below it, the reverse-translation list with its label.
#pragma once
#include <memory>

#include "display/result_list_box.h"
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
  // The reverse list first, then the result list, with the font of the
  // settings; they are not in the form's template.
  void CreateLists();

  std::unique_ptr<CReverseListBox> m_pReverseList;  // the other language, id 1006
  std::unique_ptr<CResultListBox> m_pMainList;      // the source language, id 1005
};
