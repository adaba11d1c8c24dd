// The main frame: placement, menu bars, status prompts, the interface switch
// and the layout of the view.
#include <gtest/gtest.h>

#include "app/app_test_support.h"
#include "app/dico_view.h"
#include "app/resource.h"

namespace {

std::vector<std::string> EnglishMenuBar() {
#ifdef ORVANTO_DEVELOPER_COMMANDS
  return {"&File", "&Edit", "&View", "&Help", "Debug"};  // a developer build keeps it
#else
  return {"&File", "&Edit", "&View", "&Help"};
#endif
}

class MainFrameTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    PlaceDictionary(m_strDictionaryBeside);
  }

  RECT NormalRect() const {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(Frame()->m_hWnd, &placement);
    return placement.rcNormalPosition;
  }
  std::string Prompt(UINT item, UINT flags, HMENU menu) const {
    Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(menu));
    return StatusText();
  }
  CDicoView* View() const { return Frame()->GetView(); }
  RECT ChildRect(int id) const {
    RECT rect;
    GetWindowRect(View()->GetDlgItem(id), &rect);
    MapWindowPoints(nullptr, View()->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  bool ChildVisible(int id) const { return IsWindowVisible(View()->GetDlgItem(id)); }
};

TEST_F(MainFrameTest, StoredPlacementsAreRestoredOnlyWhenTheyLieOnTheScreen) {
  RECT screen;
  GetClientRect(GetDesktopWindow(), &screen);
  RECT byDefault = {50, 50, 50 + screen.right / 4, 50 + (3 * screen.bottom) / 5};
  struct Case {
    const char* what;
    int left, top, width, height;
    bool restored;
  } cases[] = {
      {"first run", 0, 0, 0, 0, false},
      {"left edge 0", 0, 40, 300, 200, false},
      {"top edge 0", 40, 0, 300, 200, false},
      {"left at the screen's width", screen.right, 40, 300, 200, false},
      {"top at the screen's height", 40, screen.bottom, 300, 200, false},
      {"entirely left of the screen", -400, 40, 300, 200, false},
      {"entirely above the screen", 40, -300, 300, 200, false},
      {"partly off the left edge", -100, 40, 300, 200, true},
      {"on the screen", 120, 90, 400, 300, true},
  };
  for (const Case& c : cases) {
    Store("Window Left", c.left);
    Store("Window Top", c.top);
    Store("Window Width", c.width);
    Store("Window Height", c.height);
    CDicoApp app;
    ASSERT_TRUE(app.InitInstance()) << c.what;
    RECT expected =
        c.restored ? RECT{c.left, c.top, c.left + c.width, c.top + c.height} : byDefault;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(app.m_pMainWnd->m_hWnd, &placement);
    EXPECT_TRUE(EqualRect(&placement.rcNormalPosition, &expected)) << c.what;
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWNORMAL)) << c.what;
    app.m_pMainWnd->DestroyWindow();
    PumpPending(app);
  }
}

TEST_F(MainFrameTest, AWindowClosedMaximizedOpensMaximizedOverItsNormalRectangle) {
  ASSERT_TRUE(Start());
  MoveWindow(Frame()->m_hWnd, 120, 90, 400, 300, TRUE);
  ShowWindow(Frame()->m_hWnd, SW_MAXIMIZE);
  Close();
  EXPECT_EQ(StoredInt("Window Left"), 120);
  EXPECT_EQ(StoredInt("Window Top"), 90);
  EXPECT_EQ(StoredInt("Window Width"), 400);
  EXPECT_EQ(StoredInt("Window Height"), 300);
  EXPECT_EQ(StoredInt("Maximize"), 1);

  CDicoApp next;
  ASSERT_TRUE(next.InitInstance());
  HWND frame = next.m_pMainWnd->m_hWnd;
  EXPECT_TRUE(IsZoomed(frame));
  ShowWindow(frame, SW_RESTORE);
  RECT rect;
  GetWindowRect(frame, &rect);
  RECT stored = {120, 90, 520, 390};
  EXPECT_TRUE(EqualRect(&rect, &stored));
  next.m_pMainWnd->DestroyWindow();
  PumpPending(next);
}

TEST_F(MainFrameTest, AWindowClosedMinimizedStoresItsNormalRectangleNotMaximized) {
  ASSERT_TRUE(Start());
  MoveWindow(Frame()->m_hWnd, 100, 80, 350, 420, TRUE);
  ShowWindow(Frame()->m_hWnd, SW_MINIMIZE);
  Close();
  EXPECT_EQ(StoredInt("Window Left"), 100);
  EXPECT_EQ(StoredInt("Window Height"), 420);
  EXPECT_EQ(StoredInt("Maximize"), 0);
}

TEST_F(MainFrameTest, EachLanguageHasItsMenuBarWithoutTheDebugAndSpeechPopups) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(MenuBarTitles(), EnglishMenuBar());
  Frame()->OnInterfaceLanguage();
  EXPECT_EQ(MenuBarTitles(),
            (std::vector<std::string>{"&Fichier", "&\xC9" "dition", "&Affichage", "A&ide"}));
  char item[64];
  GetMenuStringA(GetMenu(Frame()->m_hWnd), ID_VIEW_INTERFACE_LANGUAGE, item, sizeof item,
                 MF_BYCOMMAND);
  EXPECT_STREQ(item, "Use &English Interface\tCtrl+I") << "named in the language it switches to";
}

TEST_F(MainFrameTest, PromptsFollowTheInterfaceLanguageAndStopAtTheLineFeed) {
  ASSERT_TRUE(Start());
  HMENU menu = GetMenu(Frame()->m_hWnd);
  HMENU systemMenu = GetSystemMenu(Frame()->m_hWnd, FALSE);
  EXPECT_EQ(Prompt(ID_VIEW_FONT, MF_HILITE, menu), "Select the dictionary font");
  EXPECT_EQ(Prompt(ID_VOICE_FIRST + 4, MF_HILITE, menu), "Select a voice");
  EXPECT_EQ(Prompt(SC_MINIMIZE, MF_SYSMENU | MF_HILITE, systemMenu), "Reduce the window to an icon");
  EXPECT_EQ(Prompt(0, 0xFFFF, nullptr), "Type a word to look it up");

  Frame()->OnInterfaceLanguage();
  menu = GetMenu(Frame()->m_hWnd);
  EXPECT_EQ(Prompt(ID_VIEW_FONT, MF_HILITE, menu), "Choisir la police du dictionnaire");
  EXPECT_EQ(Prompt(ID_VOICE_LAST, MF_HILITE, menu), "Choisir un voice");
  EXPECT_EQ(Prompt(ID_VIEW_INTERFACE_LANGUAGE, MF_HILITE, menu), "Affiche l'interface anglaise");
  EXPECT_EQ(Prompt(SC_CLOSE, MF_SYSMENU | MF_HILITE, systemMenu), "Ferme la fen\xEAtre active");
  m_app.ShowStatusMessage(IDS_LOOKING_FOR_SPEECH);
  EXPECT_EQ(StatusText(), "Recherche moteurs de synth\xE8se vocale...");
}

TEST_F(MainFrameTest, CtrlITwiceSwitchesTheInterfaceToFrenchAndBack) {
  ASSERT_TRUE(Start());
  HMENU englishMenu = GetMenu(Frame()->m_hWnd);
  PressKey(m_app, SearchEdit(), 'I', kCtrl);
  EXPECT_EQ(m_app.m_nInterfaceLanguage, kFrench);
  EXPECT_EQ(MenuBarTitles()[0], "&Fichier");
  EXPECT_EQ(StatusText(), "Tapez un mot pour le chercher");
  char label[32];
  GetDlgItemTextA(View()->m_hWnd, IDC_FRENCH_SOURCE, label, sizeof label);
  EXPECT_STREQ(label, "fran\xE7" "ais");
  GetDlgItemTextA(View()->m_hWnd, IDC_REVERSE_LABEL, label, sizeof label);
  EXPECT_STREQ(label, "Traduction inverse");

  PressKey(m_app, SearchEdit(), 'I', kCtrl);
  EXPECT_EQ(m_app.m_nInterfaceLanguage, kEnglish);
  EXPECT_EQ(MenuBarTitles(), EnglishMenuBar());
  EXPECT_NE(GetMenu(Frame()->m_hWnd), englishMenu) << "a fresh copy each time";
  EXPECT_EQ(StatusText(), "Type a word to look it up");
  GetDlgItemTextA(View()->m_hWnd, IDC_ENGLISH_SOURCE, label, sizeof label);
  EXPECT_STREQ(label, "English");
  EXPECT_EQ(StoredString("Interface Language"), "<missing>") << "written only at exit";
}

TEST_F(MainFrameTest, ShowReverseTranslationIsCheckedWhileTheReverseListIsShown) {
  ASSERT_TRUE(Start());
  HMENU view = GetSubMenu(GetMenu(Frame()->m_hWnd), 2);
  auto checked = [&] {
    Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 2);
    return (GetMenuState(view, ID_VIEW_SHOW_REVERSE, MF_BYCOMMAND) & MF_CHECKED) != 0;
  };
  EXPECT_TRUE(checked());
  Frame()->SendMessage(WM_COMMAND, ID_VIEW_SHOW_REVERSE);
  EXPECT_FALSE(Frame()->m_bShowReverse);
  EXPECT_FALSE(checked());
}

TEST_F(MainFrameTest, TheListsShareTheHeightBelowTheButtonsTwoThirdsToOneThird) {
  ASSERT_TRUE(Start());
  for (int height : {500, 120}) {
    View()->LayoutControls(400, height);
    RECT search = ChildRect(IDC_SEARCH), french = ChildRect(IDC_FRENCH_SOURCE);
    RECT result = ChildRect(IDC_RESULT_LIST), label = ChildRect(IDC_REVERSE_LABEL);
    RECT reverse = ChildRect(IDC_REVERSE_LIST);
    EXPECT_EQ(search.left, 6);
    EXPECT_EQ(search.top, 6);
    EXPECT_EQ(search.right - search.left, 400 - 30);
    EXPECT_EQ(result.top, french.bottom + 6);
    EXPECT_EQ(result.right - result.left, 400 - 12);
    EXPECT_EQ(label.top, result.bottom + 6);
    EXPECT_EQ(reverse.top, label.bottom + 6);
    EXPECT_EQ(reverse.bottom, height - 6);
    int free = (result.bottom - result.top) + (reverse.bottom - reverse.top);
    EXPECT_EQ(result.bottom - result.top, 2 * free / 3) << height;
    EXPECT_TRUE(ChildVisible(IDC_REVERSE_LIST) && ChildVisible(IDC_REVERSE_LABEL)) << height;
  }

  Frame()->OnShowReverse();
  RECT client;
  GetClientRect(View()->m_hWnd, &client);
  RECT result = ChildRect(IDC_RESULT_LIST);
  EXPECT_EQ(result.bottom, client.bottom - 6);
  EXPECT_FALSE(ChildVisible(IDC_REVERSE_LIST));
  EXPECT_FALSE(ChildVisible(IDC_REVERSE_LABEL));
}

}  // namespace
