#include "app/dico_view.h"

#include "app/dico_app.h"
#include "app/dico_doc.h"
#include "app/main_frame.h"
#include "app/resource.h"
#include "framework/strings.h"

namespace {

SIZE ClientSize(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

void Place(HWND window, int x, int y, int width, int height) {
  MoveWindow(window, x, y, width, height, TRUE);
  ShowWindow(window, SW_SHOW);
}

int ButtonOf(Language language) {
  return language == kFrench ? IDC_FRENCH_SOURCE : IDC_ENGLISH_SOURCE;
}

// The commands the view runs by itself.
struct ViewCommand {
  UINT m_nID;
  void (CDicoView::*m_pRun)();
};

const ViewCommand kViewCommands[] = {
    {ID_CHANGE_TARGET_LANGUAGE, &CDicoView::OnChangeTargetLanguage},
    {ID_VIEW_FONT, &CDicoView::OnFont},
    {ID_BUILD_DICTIONARY, &CDicoView::OnBuildDictionary},
    {ID_MAC_TO_WINDOWS, &CDicoView::OnMacToWindows},
};

}  // namespace

CDicoView::CDicoView() : FormView(IDD_DICO_FORM) {
  m_nMaxHistory = TheDicoApp().GetSettingInt(IDS_HISTORY_LENGTH);
  if (m_nMaxHistory <= 0) m_nMaxHistory = 25;
}

CDicoView::~CDicoView() {
  // A view that start-up gave up on before filling it leaves the stored
  // direction alone.
  if (m_pMainList) TheDicoApp().WriteSetting(IDS_LANGUAGE, SettingOfLanguage(m_nLanguage));
}

CMainFrame* CDicoView::GetMainFrame() const {
  return static_cast<CMainFrame*>(GetParentFrame());
}

HWND CDicoView::SearchBox() const { return GetDlgItem(IDC_SEARCH); }

void CDicoView::OnInitialUpdate() {
  FormView::OnInitialUpdate();
  m_nLanguage = LanguageOfSetting(TheDicoApp().GetSetting(IDS_LANGUAGE));
  CheckRadioButton(m_hWnd, IDC_FRENCH_SOURCE, IDC_ENGLISH_SOURCE, ButtonOf(m_nLanguage));
  CreateLists();
  LoadHistory();
  UpdateLabels();
  // The search box starts empty: nothing is looked up yet.
  SetFocus(SearchBox());
}

void CDicoView::CreateLists() {
  CDicoApp& app = TheDicoApp();
  CDicoDoc* document = static_cast<CDicoDoc*>(m_pDocument);
  m_pReverseList =
      std::make_unique<CReverseListBox>(document, OtherLanguage(m_nLanguage), IDC_REVERSE_LIST);
  m_pReverseList->Create(m_hWnd);
  m_pMainList = std::make_unique<CResultListBox>(m_pReverseList.get(), document, m_nLanguage,
                                                 IDC_RESULT_LIST);
  m_pMainList->Create(m_hWnd);

  m_strFontName = app.GetSetting(IDS_FONT);
  if (m_strFontName.empty()) {
    m_strFontName = LoadResourceString(IDS_DEFAULT_FONT);
    app.WriteSetting(IDS_FONT, m_strFontName);
  }
  m_nFontSize = app.GetSettingInt(IDS_FONT_SIZE);
  if (m_nFontSize == 0) {
    m_nFontSize = 100;
    app.WriteSettingInt(IDS_FONT_SIZE, m_nFontSize);
  }
  m_pReverseList->SetDisplayFont(m_nFontSize, m_strFontName.c_str());
  m_pMainList->SetDisplayFont(m_nFontSize, m_strFontName.c_str());

  const SIZE client = ClientSize(m_hWnd);
  LayoutControls(client.cx, client.cy);
}

LRESULT CDicoView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      // The form's creation: from here on text can be dropped on it.
      LRESULT result = FormView::WindowProc(message, wParam, lParam);
      m_dropTarget.Register(m_hWnd);
      return result;
    }
    case WM_DESTROY: {
      LRESULT result = FormView::WindowProc(message, wParam, lParam);
      m_dropTarget.Revoke();
      if (m_pMainList) SaveHistory();
      return result;
    }
    case WM_SIZE:
      LayoutControls(LOWORD(lParam), HIWORD(lParam));
      break;
    case WM_SETCURSOR:
      // The lists' window class has no cursor: the form gives the arrow everywhere.
      SetCursor(LoadCursorA(nullptr, IDC_ARROW));
      return TRUE;
    case WM_COMMAND:
      if (lParam) OnControlNotification(LOWORD(wParam), HIWORD(wParam));
      break;
    case WM_RESTORE_TYPED_TEXT:
      RestoreTextAfterDropDown(static_cast<DWORD>(wParam));
      return 0;
  }
  return FormView::WindowProc(message, wParam, lParam);
}

void CDicoView::OnControlNotification(int id, int code) {
  if (id == IDC_FRENCH_SOURCE && code == BN_CLICKED) OnFrenchSource();
  if (id == IDC_ENGLISH_SOURCE && code == BN_CLICKED) OnEnglishSource();
  if (id != IDC_SEARCH) return;
  switch (code) {
    case CBN_EDITCHANGE:
      OnSearchEditChange();
      break;
    case CBN_SELCHANGE:
      OnSearchSelChange();
      break;
    case CBN_DROPDOWN:
      OnSearchDropDown();
      break;
  }
}

bool CDicoView::OnCommand(UINT id, CommandState* state) {
  for (const ViewCommand& command : kViewCommands) {
    if (command.m_nID != id) continue;
    if (!state) (this->*command.m_pRun)();
    return true;
  }
  return OnEditCommand(id, state) || FormView::OnCommand(id, state);
}

std::string CDicoView::GetSearchText() const {
  HWND box = SearchBox();
  std::string text(static_cast<size_t>(GetWindowTextLengthA(box)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
  return text;
}

void CDicoView::FocusSearchBox() {
  HWND box = SearchBox();
  SetFocus(box);
  ::SendMessageA(box, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void CDicoView::SetSearchText(const Text& text) {
  SetWindowTextA(SearchBox(), reinterpret_cast<const char*>(text.c_str()));
  FocusSearchBox();
  OnSearchEditChange();
}

void CDicoView::OnSearchEditChange() {
  const std::string text = GetSearchText();
  if (m_pMainList) m_pMainList->LookUp(MakeText(text));
  AddToHistory(text);
}

void CDicoView::OnSearchSelChange() {
  // The edit field gets the picked entry only after this notification: the
  // text is read when the posted change arrives.
  PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SEARCH, CBN_EDITCHANGE),
               reinterpret_cast<LPARAM>(SearchBox()));
}

void CDicoView::OnEnglishSource() { ChangeSourceLanguage(kEnglish); }

void CDicoView::OnFrenchSource() { ChangeSourceLanguage(kFrench); }

void CDicoView::OnChangeTargetLanguage() { SelectSourceLanguage(OtherLanguage(m_nLanguage)); }

void CDicoView::SelectSourceLanguage(Language language) {
  CheckRadioButton(m_hWnd, IDC_FRENCH_SOURCE, IDC_ENGLISH_SOURCE, ButtonOf(language));
  ChangeSourceLanguage(language);
}

void CDicoView::ChangeSourceLanguage(Language language) {
  if (m_nLanguage == language) return;
  m_nLanguage = language;
  if (m_pReverseList) m_pReverseList->ClearForLanguage(OtherLanguage(language));
  if (m_pMainList) m_pMainList->ShowLanguage(language);
  // The history keeps the text: only the direction changed.
  if (m_pMainList) m_pMainList->LookUp(MakeText(GetSearchText()));
  FocusSearchBox();
}

bool CDicoView::IsReverseListShown() const {
  CMainFrame* frame = GetMainFrame();
  return !frame || frame->m_bShowReverse;
}

void CDicoView::UpdateLabels() {
  HWND french = GetDlgItem(IDC_FRENCH_SOURCE);
  HWND english = GetDlgItem(IDC_ENGLISH_SOURCE);
  HWND label = GetDlgItem(IDC_REVERSE_LABEL);
  if (!french || !english || !label) return;
  const CDicoApp& app = TheDicoApp();
  SetWindowTextA(french, app.LoadInterfaceString(IDS_FRENCH).c_str());
  SetWindowTextA(english, app.LoadInterfaceString(IDS_ENGLISH).c_str());
  SetWindowTextA(label, app.LoadInterfaceString(IDS_REVERSE_TRANSLATION).c_str());
}

void CDicoView::LayoutControls(int cx, int cy) {
  if (cx <= 0 || cy <= 0) return;
  HWND search = SearchBox();
  HWND french = GetDlgItem(IDC_FRENCH_SOURCE);
  HWND english = GetDlgItem(IDC_ENGLISH_SOURCE);
  HWND label = GetDlgItem(IDC_REVERSE_LABEL);
  HWND resultList = GetDlgItem(IDC_RESULT_LIST);
  HWND reverseList = GetDlgItem(IDC_REVERSE_LIST);
  if (!search || !french || !english || !label || !resultList || !reverseList) return;

  int e = static_cast<int>(::SendMessageA(search, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  int i = static_cast<int>(::SendMessageA(search, CB_GETITEMHEIGHT, 0, 0));
  SIZE frenchSize = ClientSize(french);
  SIZE englishSize = ClientSize(english);
  int hl = ClientSize(label).cy;

  // The drop-down list shows ten entries.
  MoveWindow(search, 6, 6, cx - 30, e + 6 + 10 * i, TRUE);
  MoveWindow(french, 6, e + 18, frenchSize.cx, frenchSize.cy, TRUE);
  MoveWindow(english, frenchSize.cx + 12, e + 18, englishSize.cx, englishSize.cy, TRUE);
  int top = e + frenchSize.cy + 24;
  if (IsReverseListShown()) {
    int free = cy - hl - frenchSize.cy - e - 42;
    int upper = (2 * free) / 3;
    Place(resultList, 6, top, cx - 12, upper);
    Place(label, 6, top + upper + 6, cx - 12, hl);
    Place(reverseList, 6, top + upper + hl + 12, cx - 12, free - upper);
  } else {
    Place(resultList, 6, top, cx - 12, cy - top - 6);
    ShowWindow(label, SW_HIDE);
    ShowWindow(reverseList, SW_HIDE);
  }
}
