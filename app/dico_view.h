// The lookup view: the form with the search box, the two direction buttons,
// the result list and, below it, the reverse-translation list with its label.
// Every change of the search text is looked up at once in the chosen
// direction and recorded in the search history, the search box's drop-down
// list, which survives between runs.
#pragma once
#include <memory>
#include <string>

#include "app/drop_target.h"
#include "display/dico_list_host.h"
#include "display/result_list_box.h"
#include "framework/form_view.h"

class CMainFrame;

class CDicoView : public FormView, public LookupView, public DropHandler {
 public:
  CDicoView();
  // Writes the direction, once the view has been filled.
  ~CDicoView() override;

  Language m_nLanguage = kFrench;                   // the source language of look-ups
  // The reverse list outlives the result list, which points at it.
  std::unique_ptr<CReverseListBox> m_pReverseList;  // the other language, id 1006
  std::unique_ptr<CResultListBox> m_pMainList;      // the source language, id 1005
  std::string m_strFontName;
  int m_nFontSize = 0;  // tenths of a point
  DropTarget m_dropTarget{this};
  std::string m_strDragText;    // the text dragged over the view
  std::string m_strStatusText;  // the status-bar prompt of the drag
  int m_nMaxHistory;

  // Puts the text into the search box, selects it, focuses the box and looks
  // the text up as if the user had typed it.
  void SetSearchText(const Text& text) override;
  Language GetSourceLanguage() const override { return m_nLanguage; }
  // Swaps the direction and the checked button (Ctrl+L).
  void OnChangeTargetLanguage() override;
  void OnEnglishSource();
  void OnFrenchSource();

  // Sets the direction buttons and the reverse list's label in the
  // interface language.
  void UpdateLabels();
  // Lays the controls out for a client area of cx × cy pixels: the search box
  // and the buttons on top, the result list taking two thirds of the height
  // left and the reverse list the last third, or the whole of it when the
  // reverse list is hidden. Does nothing while a control is missing.
  void LayoutControls(int cx, int cy);

  // The search box and its history.
  void OnSearchEditChange();
  void OnSearchSelChange();
  // Opening the drop-down list selects the entry that begins like the typed
  // text and shows it in the edit field; the typed text and its selection
  // are put back once the list is open.
  void OnSearchDropDown();
  void AddToHistory(const std::string& text);
  void LoadHistory();
  void SaveHistory();
  // Lowers the maximum number of entries at once; n of 0 or less changes nothing.
  void SetHistoryLength(int n);

  // The font of both lists, chosen in the system's font dialog.
  void OnFont();
  // Developer commands: compile a dictionary source; convert a Macintosh text.
  void OnBuildDictionary();
  void OnMacToWindows();

  // Text dragged onto the view: a drop on the search box or the result list
  // looks it up, a drop on a direction button also sets the direction.
  DWORD OnDragEnter(IDataObject* data, DWORD keyState, POINT point) override;
  DWORD OnDragOver(IDataObject* data, DWORD keyState, POINT point) override;
  void OnDragLeave() override;
  bool OnDrop(IDataObject* data, DWORD effect, POINT point) override;

  void OnInitialUpdate() override;
  // Tab and Shift+Tab move the focus between the search box and the lists.
  bool PreTranslateMessage(MSG* msg) override;
  bool OnCommand(UINT id, CommandState* state) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CMainFrame* GetMainFrame() const;
  // The reverse list first, then the result list, with the font of the
  // settings; they are not in the form's template.
  void CreateLists();
  bool IsReverseListShown() const;
  // Checks the direction button of the language and makes it the source.
  void SelectSourceLanguage(Language language);
  // The source language becomes `language`: the lists show it and the
  // search text is looked up in it. Nothing happens when it already is.
  void ChangeSourceLanguage(Language language);
  HWND SearchBox() const;
  std::string GetSearchText() const;
  // Focuses the search box with all its text selected.
  void FocusSearchBox();
  // The form's control that has the focus or lies under a client point, the
  // search box's edit field counting as the search box; 0 for none.
  int FocusedControl() const;
  int ControlAt(POINT point) const;
  void OnControlNotification(int id, int code);
  // Clipboard commands of the Edit menu: run, or only say whether they can.
  bool OnEditCommand(UINT id, CommandState* state);
  void ShowIdlePrompt();
  void RestoreTextAfterDropDown(DWORD editSelection);

  // Posted to the view when the search box's list opens; wParam: the edit
  // field's selection at that moment.
  static constexpr UINT WM_RESTORE_TYPED_TEXT = WM_APP + 1;
  std::string m_strTypedText;  // the search text when the drop-down list opened
};
