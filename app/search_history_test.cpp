// The search box: look-up as the user types, the history kept in its
// drop-down list and in the settings, and picking an entry from it.
#include <gtest/gtest.h>

#include "app/view_test_support.h"

namespace {

using SearchHistoryTest = ViewTest;
using Entries = std::vector<std::string>;

TEST_F(SearchHistoryTest, EveryKeystrokeLooksTheTextUpAndTypingAWordLeavesOneEntry) {
  Store("Language", "French");
  ASSERT_TRUE(Start());
  EXPECT_EQ(SearchText(), "");
  EXPECT_EQ(History(), Entries{});

  Type("chi");
  EXPECT_EQ(CurrentEntry(), "chien") << "the first letters lead to the entry";
  Type("en");
  EXPECT_EQ(History(), Entries{"chien"});

  Type("\b\b");
  EXPECT_EQ(SearchText(), "chi");
  EXPECT_EQ(History(), Entries{"chien"}) << "deleting back keeps the longer entry";

  SelectAllSearchText();
  Type("mais");
  EXPECT_EQ(CurrentEntry(), "maison");
  EXPECT_EQ(History(), (Entries{"mais", "chien"})) << "a new word goes above the first";
  EXPECT_EQ(HistoryTopIndex(), 0);

  SelectAllSearchText();
  Type("\b");
  EXPECT_EQ(History(), (Entries{"mais", "chien"})) << "an empty text is no entry";
}

TEST_F(SearchHistoryTest, EntriesAreAddedReplacedOrFoundAsTheRulesSay) {
  ASSERT_TRUE(Start());
  struct Case {
    const char* what;
    Entries before;
    const char* text;
    Entries after;
  } cases[] = {
      {"typing on extends the top entry", {"ca", "dog"}, "cat", {"cat", "dog"}},
      {"a beginning of the top entry adds nothing", {"cat", "dog"}, "ca", {"cat", "dog"}},
      {"an unrelated text goes on top", {"cat", "dog"}, "horse", {"horse", "cat", "dog"}},
      {"the top entry extends only case for case", {"Ca", "dog"}, "cat", {"cat", "Ca", "dog"}},
      {"an entry equal but for case is found", {"horse", "cat", "dog"}, "CAT",
       {"horse", "cat", "dog"}},
      {"a lower entry extended is a new entry", {"horse", "ca"}, "cat", {"cat", "horse", "ca"}},
  };
  for (const Case& c : cases) {
    SendMessageA(SearchBox(), CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : c.before) {
      SendMessageA(SearchBox(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    View()->AddToHistory(c.text);
    EXPECT_EQ(History(), c.after) << c.what;
  }
}

TEST_F(SearchHistoryTest, AFoundEntryIsScrolledToTheTopOfTheDropDownList) {
  ASSERT_TRUE(Start());
  for (int i = 24; i >= 0; --i) View()->AddToHistory("word " + std::to_string(i));
  ASSERT_EQ(History().size(), 25u);
  View()->AddToHistory("WORD 12");
  EXPECT_EQ(History().size(), 25u);
  EXPECT_EQ(HistoryTopIndex(), 12);
  View()->AddToHistory("cat");
  EXPECT_EQ(HistoryTopIndex(), 0);
  EXPECT_EQ(History().size(), 25u) << "the oldest entry made room";
  EXPECT_EQ(History().back(), "word 23");
}

TEST_F(SearchHistoryTest, TheHistoryIsLoadedUpToItsLengthAndSavedWhenTheWindowCloses) {
  struct Case {
    const char* what;
    int length;  // 0: none stored
    const char* stored;
    Entries loaded;
    const char* saved;
  } cases[] = {
      {"more entries than the length", 3, "e\nd\nc\nb\na\n", {"e", "d", "c"}, "e\nd\nc\n"},
      {"no final line feed", 0, "dog\ncat", {"dog"}, "dog\n"},
      {"an empty value", 0, "", {}, ""},
      {"a length of 0 or less means 25", -4, "a\nb\n", {"a", "b"}, "a\nb\n"},
  };
  for (const Case& c : cases) {
    if (c.length) Store("History Length", c.length);
    Store("History", c.stored);
    CDicoApp app;
    ASSERT_TRUE(app.InitInstance()) << c.what;
    auto* view = static_cast<CMainFrame*>(app.m_pMainWnd)->GetView();
    EXPECT_EQ(view->m_nMaxHistory, c.length > 0 ? c.length : 25) << c.what;
    std::vector<std::string> loaded;
    HWND box = view->GetDlgItem(IDC_SEARCH);
    for (int i = 0; i < SendMessageA(box, CB_GETCOUNT, 0, 0); ++i) {
      char entry[64] = "";
      SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
      loaded.push_back(entry);
    }
    EXPECT_EQ(loaded, c.loaded) << c.what;
    app.m_pMainWnd->SendMessage(WM_CLOSE);
    PumpPending(app);
    EXPECT_EQ(StoredString("History"), c.saved) << c.what;
    app.ExitInstance();
    DeleteUserKey("Software\\Orvanto\\Orvanto");
  }
}

TEST_F(SearchHistoryTest, TypedWordsAreInTheHistoryOfTheNextRun) {
  Store("Language", "French");
  ASSERT_TRUE(Start());
  Type("chat");
  SelectAllSearchText();
  Type("maison");
  Close();
  EXPECT_EQ(StoredString("History"), "maison\nchat\n");
}

TEST_F(SearchHistoryTest, ASmallerHistoryLengthTrimsTheListAtOnce) {
  ASSERT_TRUE(Start());
  for (const char* word : {"a", "b", "c"}) View()->AddToHistory(word);
  View()->SetHistoryLength(0);
  EXPECT_EQ(View()->m_nMaxHistory, 25);
  EXPECT_EQ(History(), (Entries{"c", "b", "a"}));
  View()->SetHistoryLength(2);
  EXPECT_EQ(View()->m_nMaxHistory, 2);
  EXPECT_EQ(History(), (Entries{"c", "b"}));
  View()->AddToHistory("d");
  EXPECT_EQ(History(), (Entries{"d", "c"}));
}

TEST_F(SearchHistoryTest, APickedEntryIsLookedUpOnceTheSearchBoxShowsIt) {
  Store("Language", "French");
  Store("History", "maison\nchien\n");
  ASSERT_TRUE(Start());
  // Down in the edit field picks the next entry, as from the open list.
  PressKey(m_app, SearchEdit(), VK_DOWN);
  EXPECT_EQ(SearchText(), "maison");
  EXPECT_EQ(CurrentEntry(), "maison");
  PressKey(m_app, SearchEdit(), VK_DOWN);
  EXPECT_EQ(SearchText(), "chien");
  EXPECT_EQ(CurrentEntry(), "chien");
  EXPECT_EQ(History(), (Entries{"maison", "chien"})) << "a picked entry is already there";
}

TEST_F(SearchHistoryTest, OpeningTheDropDownListKeepsWhatTheUserTyped) {
  Store("History", "house\nhome\n");
  ASSERT_TRUE(Start());
  Type("ho");
  SendMessageA(SearchBox(), CB_SHOWDROPDOWN, TRUE, 0);
  PumpPending(m_app);
  EXPECT_EQ(SearchText(), "ho");
  DWORD start = 0, end = 0;
  SendMessageA(SearchBox(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u) << "the caret stays after the typed text";
  EXPECT_EQ(end, 2u);
  SendMessageA(SearchBox(), CB_SHOWDROPDOWN, FALSE, 0);
  PumpPending(m_app);
  EXPECT_EQ(SearchText(), "ho");
  EXPECT_EQ(History(), (std::vector<std::string>{"house", "home"}));
}

}  // namespace
