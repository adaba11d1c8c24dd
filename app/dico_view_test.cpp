// The lookup view: its direction, the direction buttons and Ctrl+L, the Tab
// keys, the clipboard commands, the font command and the pointer.
#include <gtest/gtest.h>

#include "app/view_test_support.h"
#include "framework/framework_ids.h"

namespace {

using DicoViewTest = ViewTest;

TEST_F(DicoViewTest, TheStoredLanguageSetsTheDirectionAndIsWrittenBackOnClosing) {
  struct Case {
    const char* stored;
    Language language;
    const char* written;
  } cases[] = {
      {"French", kFrench, "French"},
      {"french", kEnglish, "English"},
      {"", kEnglish, "English"},
  };
  for (const Case& c : cases) {
    Store("Language", c.stored);
    CDicoApp app;
    ASSERT_TRUE(app.InitInstance()) << c.stored;
    CDicoView* view = static_cast<CMainFrame*>(app.m_pMainWnd)->GetView();
    EXPECT_EQ(view->m_nLanguage, c.language) << c.stored;
    EXPECT_EQ(view->m_pMainList->m_nListLanguage, c.language) << c.stored;
    EXPECT_EQ(view->m_pReverseList->m_nListLanguage, OtherLanguage(c.language)) << c.stored;
    int checked = c.language == kFrench ? IDC_FRENCH_SOURCE : IDC_ENGLISH_SOURCE;
    EXPECT_EQ(IsDlgButtonChecked(view->m_hWnd, checked), BST_CHECKED) << c.stored;
    EXPECT_EQ(GetWindowTextLengthA(view->GetDlgItem(IDC_SEARCH)), 0) << "nothing is looked up";
    app.m_pMainWnd->SendMessage(WM_CLOSE);
    PumpPending(app);
    app.ExitInstance();
    EXPECT_EQ(StoredString("Language"), c.written) << c.stored;
  }
}

TEST_F(DicoViewTest, AFreshUserGetsArialAt10PointsWrittenBackAtOnce) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(StoredString("Font"), "Arial");
  EXPECT_EQ(StoredInt("Font Size"), 100);
  EXPECT_EQ(View()->m_strFontName, "Arial");
  EXPECT_EQ(View()->m_nFontSize, 100);
}

TEST_F(DicoViewTest, AButtonSwitchesTheDirectionAndLooksTheTextUpAgainOnlyWhenItChanges) {
  ASSERT_TRUE(Start());
  ASSERT_EQ(View()->m_nLanguage, kEnglish);
  Type("dog");
  EXPECT_EQ(CurrentEntry(), "dog");
  // A translation line fills the reverse list.
  PressKey(m_app, View()->m_pMainList->m_hWnd, VK_DOWN);
  ASSERT_GT(View()->m_pReverseList->m_nCount, 0);

  SendMessageA(Control(IDC_FRENCH_SOURCE), BM_CLICK, 0, 0);
  PumpPending(m_app);
  EXPECT_EQ(View()->m_nLanguage, kFrench);
  EXPECT_TRUE(Checked(IDC_FRENCH_SOURCE));
  EXPECT_FALSE(Checked(IDC_ENGLISH_SOURCE));
  EXPECT_EQ(View()->m_pMainList->m_nListLanguage, kFrench);
  EXPECT_EQ(View()->m_pReverseList->m_nListLanguage, kEnglish);
  EXPECT_EQ(View()->m_pReverseList->m_nCount, 0) << "the reverse list is emptied";
  EXPECT_EQ(GetFocus(), SearchEdit());
  EXPECT_TRUE(AllSearchTextSelected());
  EXPECT_EQ(History(), std::vector<std::string>{"dog"}) << "the history is not touched";

  SelectAllSearchText();
  Type("chien");
  PressKey(m_app, View()->m_pMainList->m_hWnd, VK_DOWN);
  const int moved = View()->m_pMainList->GetCurSel();
  SendMessageA(Control(IDC_FRENCH_SOURCE), BM_CLICK, 0, 0);
  PumpPending(m_app);
  EXPECT_EQ(View()->m_pMainList->GetCurSel(), moved) << "the checked button looks nothing up";
}

TEST_F(DicoViewTest, CtrlLSwapsTheDirectionAndTheCheckedButton) {
  Store("Language", "French");
  ASSERT_TRUE(Start());
  Type("dog");
  PressKey(m_app, SearchEdit(), 'L', kCtrl);
  EXPECT_EQ(View()->m_nLanguage, kEnglish);
  EXPECT_TRUE(Checked(IDC_ENGLISH_SOURCE));
  EXPECT_FALSE(Checked(IDC_FRENCH_SOURCE));
  EXPECT_EQ(CurrentEntry(), "dog") << "the text is looked up in English";

  PressKey(m_app, SearchEdit(), 'L', kCtrl);
  EXPECT_EQ(View()->m_nLanguage, kFrench);
  EXPECT_TRUE(Checked(IDC_FRENCH_SOURCE));
  Close();
  EXPECT_EQ(StoredString("Language"), "French");
}

TEST_F(DicoViewTest, TabAndShiftTabFollowTheFocusTableWithTheReverseListShownOrHidden) {
  ASSERT_TRUE(Start());
  Type("chat");
  struct Case {
    int from;
    bool shift;
    bool reverseShown;
    int to;
  } cases[] = {
      {IDC_SEARCH, false, true, IDC_RESULT_LIST},
      {IDC_RESULT_LIST, false, true, IDC_REVERSE_LIST},
      {IDC_REVERSE_LIST, false, true, IDC_SEARCH},
      {IDC_SEARCH, true, true, IDC_REVERSE_LIST},
      {IDC_REVERSE_LIST, true, true, IDC_RESULT_LIST},
      {IDC_RESULT_LIST, true, true, IDC_SEARCH},
      {IDC_FRENCH_SOURCE, false, true, IDC_SEARCH},
      {IDC_ENGLISH_SOURCE, true, true, IDC_SEARCH},
      {IDC_SEARCH, false, false, IDC_RESULT_LIST},
      {IDC_RESULT_LIST, false, false, IDC_SEARCH},
      {IDC_SEARCH, true, false, IDC_RESULT_LIST},
      {IDC_RESULT_LIST, true, false, IDC_SEARCH},
      {IDC_FRENCH_SOURCE, true, false, IDC_SEARCH},
  };
  auto window = [&](int id) { return id == IDC_SEARCH ? SearchEdit() : Control(id); };
  for (const Case& c : cases) {
    if (Frame()->m_bShowReverse != c.reverseShown) Frame()->OnShowReverse();
    SetFocus(window(c.from));
    SendMessageA(SearchBox(), CB_SETEDITSEL, 0, MAKELPARAM(1, 1));
    PressKey(m_app, GetFocus(), VK_TAB, c.shift ? kShift : kNoModifier);
    EXPECT_EQ(GetFocus(), window(c.to))
        << c.from << (c.shift ? " Shift+Tab" : " Tab") << (c.reverseShown ? "" : " hidden");
    if (c.to == IDC_SEARCH) {
      EXPECT_TRUE(AllSearchTextSelected()) << c.from;
    }
  }
}

TEST_F(DicoViewTest, ClipboardCommandsAreEnabledByTheFocusAndTheSelection) {
  ASSERT_TRUE(Start());
  HMENU edit = GetSubMenu(GetMenu(Frame()->m_hWnd), 1);
  auto enabled = [&](UINT command) {
    Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 1);
    return (GetMenuState(edit, command, MF_BYCOMMAND) & MF_GRAYED) == 0;
  };
  struct Case {
    const char* what;
    int focus;
    int selectionEnd;  // of the search box's text "chat", from 0
    bool clipboardText;
    bool copy, cut, paste;
  } cases[] = {
      {"search box, empty selection", IDC_SEARCH, 0, true, false, false, true},
      {"search box, selection", IDC_SEARCH, 2, false, true, true, false},
      {"search box, selection, text to paste", IDC_SEARCH, 2, true, true, true, true},
      {"result list", IDC_RESULT_LIST, 2, true, true, false, false},
      {"reverse list", IDC_REVERSE_LIST, 2, true, true, false, false},
      {"a button", IDC_FRENCH_SOURCE, 2, true, true, false, false},
  };
  Type("chat");
  for (const Case& c : cases) {
    ASSERT_TRUE(SetClipboardText(c.clipboardText ? "x" : ""));
    SetFocus(c.focus == IDC_SEARCH ? SearchEdit() : Control(c.focus));
    SendMessageA(SearchBox(), CB_SETEDITSEL, 0, MAKELPARAM(0, c.selectionEnd));
    EXPECT_EQ(enabled(ID_EDIT_COPY), c.copy) << c.what;
    EXPECT_EQ(enabled(ID_EDIT_CUT), c.cut) << c.what;
    EXPECT_EQ(enabled(ID_EDIT_PASTE), c.paste) << c.what;
  }
}

TEST_F(DicoViewTest, CutAndPasteInTheSearchBoxLookTheNewTextUp) {
  Store("Language", "French");
  ASSERT_TRUE(Start());
  Type("xchien");
  SendMessageA(SearchBox(), CB_SETEDITSEL, 0, MAKELPARAM(0, 1));
  PressKey(m_app, SearchEdit(), 'C', kCtrl);
  EXPECT_EQ(ClipboardText(), "x");
  EXPECT_EQ(SearchText(), "xchien");

  SendMessageA(SearchBox(), CB_SETEDITSEL, 0, MAKELPARAM(0, 1));
  PressKey(m_app, SearchEdit(), 'X', kCtrl);
  PumpPending(m_app);
  EXPECT_EQ(SearchText(), "chien");
  EXPECT_EQ(ClipboardText(), "x");
  EXPECT_EQ(CurrentEntry(), "chien");
  EXPECT_EQ(History().front(), "chien");

  ASSERT_TRUE(SetClipboardText("maison"));
  SelectAllSearchText();
  PressKey(m_app, SearchEdit(), 'V', kCtrl);
  PumpPending(m_app);
  EXPECT_EQ(SearchText(), "maison");
  EXPECT_EQ(CurrentEntry(), "maison");
}

TEST_F(DicoViewTest, CopyInAListCopiesItsSelectedText) {
  Store("Language", "French");
  ASSERT_TRUE(Start());
  Type("chien");
  CResultListBox& list = *View()->m_pMainList;
  SetFocus(list.m_hWnd);
  list.m_nSelStart = 0;
  list.m_nSelEnd = 2;
  PressKey(m_app, list.m_hWnd, 'C', kCtrl);
  EXPECT_EQ(ClipboardText(), "chi");
}

// Font dialogs that answer with a face and a size, and remember the font
// they were preset with.
class FontDialogs : public ScriptedUserDialogs {
 public:
  bool m_bAnswer = true;
  LOGFONTA m_preset = {};

  bool ChooseFontDialog(HWND, LOGFONTA& font, int& pointSize) override {
    m_preset = font;
    if (!m_bAnswer) return false;
    lstrcpyA(font.lfFaceName, "Courier New");
    font.lfItalic = TRUE;
    pointSize = 120;
    return true;
  }
};

std::string FaceOf(HFONT font) {
  LOGFONTA description = {};
  GetObjectA(font, sizeof description, &description);
  return description.lfFaceName;
}

TEST_F(DicoViewTest, TheFontCommandGivesBothListsTheChosenFaceAndSizeAndStoresThem) {
  Store("Font", "Times New Roman");
  ASSERT_TRUE(Start());
  EXPECT_EQ(FaceOf(View()->m_pMainList->m_pFontPlain), "Times New Roman");
  {
    FontDialogs dialogs;
    dialogs.m_bAnswer = false;
    Frame()->SendMessage(WM_COMMAND, ID_VIEW_FONT);
    EXPECT_STREQ(dialogs.m_preset.lfFaceName, "Times New Roman") << "preset with the list's font";
    EXPECT_EQ(StoredString("Font"), "Times New Roman") << "cancelled";

    dialogs.m_bAnswer = true;
    Frame()->SendMessage(WM_COMMAND, ID_VIEW_FONT);
  }
  SetUserDialogs(&m_dialogs);
  EXPECT_EQ(View()->m_strFontName, "Courier New");
  EXPECT_EQ(View()->m_nFontSize, 120);
  EXPECT_EQ(StoredString("Font"), "Courier New");
  EXPECT_EQ(StoredInt("Font Size"), 120);
  for (JListBox* list : {static_cast<JListBox*>(View()->m_pMainList.get()),
                         static_cast<JListBox*>(View()->m_pReverseList.get())}) {
    EXPECT_EQ(FaceOf(list->m_pFontPlain), "Courier New");
    LOGFONTA plain = {};
    GetObjectA(list->m_pFontPlain, sizeof plain, &plain);
    EXPECT_FALSE(plain.lfItalic) << "only the face and the size are taken";
  }
}

TEST_F(DicoViewTest, ThePointerIsTheArrowOverTheWholeForm) {
  ASSERT_TRUE(Start());
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  for (HWND window : {View()->m_hWnd, View()->m_pMainList->m_hWnd,
                      View()->m_pReverseList->m_hWnd}) {
    SetCursor(LoadCursorA(nullptr, IDC_CROSS));
    LRESULT handled = SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_TRUE(handled);
    EXPECT_EQ(GetCursor(), arrow);
  }
}

}  // namespace
