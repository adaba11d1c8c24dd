#include "display/dico_list_box.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dictionary/build_fixture.h"
#include "display/display_test_support.h"
#include "display/result_list_box.h"

namespace {

// Windows-1252: 0x95 is the bullet that marks an italic span.
const char kSource[] =
    "maison = house\n"
    "maison = home\n"
    "la maison = the house\n"
    "chat * = puss\n"
    "chat [n.m.] = cat\n"
    "le chat noir = the black cat\n"
    "chien [n.m.] * = dog\n"
    "\x95" "aboyer\x95 [v.] = to bark\n";

class TestDocument : public DictionaryDocument {
 public:
  explicit TestDocument(const std::string& path) : m_dictionary(path.c_str()) {}
  DictionaryFile* GetDictionary() const override {
    return const_cast<DictionaryFile*>(&m_dictionary);
  }

 private:
  DictionaryFile m_dictionary;
};

// The view around the lists: it records what they ask of it.
class TestView : public TestHost, public LookupView {
 public:
  TestView() : TestHost(700, 500) {}

  Language m_nLanguage = kEnglish;
  std::vector<std::string> m_calls;

  Language GetSourceLanguage() const override { return m_nLanguage; }
  void SetSearchText(const Text& text) override {
    m_calls.push_back("search " + std::string(text.begin(), text.end()));
  }
  void OnChangeTargetLanguage() override {
    m_calls.push_back("change language");
    m_nLanguage = OtherLanguage(m_nLanguage);
  }
};

class DicoListBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CompileSource(kSource, Path()); }
  static std::string Path() { return TempPath("display_lists.vbd"); }

  DicoListBoxTest() {
    // As the view makes them: the reverse list first, in the other language.
    PlaceList(m_reverse, m_view, 400, 5 * 21);
    SetWindowPos(m_reverse.m_hWnd, nullptr, 0, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PlaceList(m_result, m_view, 400, 200);
  }

  DictionaryFile& Dictionary() { return *m_document.GetDictionary(); }
  // The index position of the record showing `text`, main or translation.
  int Position(Language language, const std::string& text, bool translation) {
    for (int i = 0; i < Dictionary().RecordCount(language); ++i) {
      Text entry;
      int start = 0;
      int end = 0;
      Dictionary().GetEntryText(i, language, entry, start, end);
      if (entry == MakeText(text) && Dictionary().IsTranslationRecord(i, language) == translation) {
        return i;
      }
    }
    ADD_FAILURE() << "no record " << text;
    return 0;
  }
  int LookupPosition(const std::string& text, Language language) {
    int first = -1;
    int last = -1;
    Dictionary().Lookup(MakeText(text).c_str(), language, first, last);
    return first;
  }
  POINT CellPoint(CDicoListBox& list, int item, int cell) {
    list.EnsureVisible(item);
    GlyphCells cells;
    list.LayoutItemAt(cells, item);
    return {cells[cell].left + 1, cells[cell].top + 3};
  }

  Application m_app{"Orvanto Test"};
  TestDocument m_document{Path()};
  TestView m_view;
  CReverseListBox m_reverse{&m_document, kFrench, 1006};
  CResultListBox m_result{&m_reverse, &m_document, kEnglish, 1005};
};

TEST_F(DicoListBoxTest, TheInitialUpdateFillsTheResultListAndEmptiesTheReverseList) {
  EXPECT_EQ(m_result.m_nCount, Dictionary().RecordCount(kEnglish));
  EXPECT_EQ(m_result.GetCurSel(), 0);
  EXPECT_EQ(m_reverse.m_nCount, 0);
}

TEST_F(DicoListBoxTest, TranslationsAreColouredAndIndentedByWww) {
  const int www = TextWidth(m_result.m_pFontPlain, "www");
  EXPECT_EQ(m_result.m_nIndentWidth, www);
  for (int i = 0; i < m_result.m_nCount; ++i) {
    Text markup;
    const bool main = Dictionary().GetEntryMarkup(i, kEnglish, markup);
    Text formatted;
    m_result.GetItemFormattedText(i, formatted);
    const Text expected = main ? markup : MakeText("\\c\x01\x01\xFF") + markup + MakeText("\\C");
    EXPECT_EQ(formatted, expected) << i;
    int firstIndent = 0;
    int continuationIndent = 0;
    m_result.GetMargins(i, firstIndent, continuationIndent);
    EXPECT_EQ(firstIndent, main ? 3 : 3 + www) << i;
    EXPECT_EQ(continuationIndent, www / 3) << i;
    EXPECT_EQ(m_result.LanguageOf(i), main ? kEnglish : kFrench) << i;
  }
}

TEST_F(DicoListBoxTest, ATranslationIsDrawnInBlueUnderItsHeadword) {
  const int headword = Position(kEnglish, "house", false);
  const int translation = headword + 1;
  m_result.SetTopIndex(headword);
  Screenshot shot = PaintAndCapture(m_result.m_hWnd);
  const int www = m_result.m_nIndentWidth;
  for (int item : {headword, translation}) {
    RECT rect;
    m_result.GetItemRect(item, rect);
    int leftmostInk = shot.m_nWidth;
    bool blue = false;
    bool black = false;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = 0; x < shot.m_nWidth; ++x) {
        const COLORREF pixel = shot.At(x, y);
        if (pixel == RGB(255, 255, 255)) continue;
        leftmostInk = std::min(leftmostInk, x);
        blue = blue || pixel == RGB(1, 1, 255);
        black = black || pixel == RGB(0, 0, 0);
      }
    }
    const int indent = item == translation ? 3 + www : 3;
    EXPECT_GE(leftmostInk, indent) << item;
    EXPECT_LT(leftmostInk, indent + TextWidth(m_result.m_pFontPlain, "m")) << item;
    EXPECT_EQ(blue, item == translation) << item;
    EXPECT_EQ(black, item == headword) << item;
  }
}

TEST_F(DicoListBoxTest, AKeywordIsBoldToTheEndOfItsKeyword) {
  GlyphCells cells;
  m_result.LayoutItem(cells, Position(kEnglish, "the house", false));
  std::string fonts;
  for (const GlyphCell& cell : cells) fonts += cell.font == m_result.m_pFontBold ? 'b' : 'p';
  EXPECT_EQ(fonts, "ppppbbbbb");
}

TEST_F(DicoListBoxTest, WrappedTranslationLinesAreIndentedAFurtherThird) {
  m_reverse.LookUpReverse(MakeText("cat"));
  const int www = m_reverse.m_nIndentWidth;
  SizeList(m_reverse, 3 + www + TextWidth(m_reverse.m_pFontPlain, "the black "), 5 * 21);
  GlyphCells cells;
  m_reverse.LayoutItem(cells, Position(kFrench, "the black cat", true));
  ASSERT_EQ(cells.size(), 13u);
  EXPECT_EQ(cells[0].left, 3 + www);
  EXPECT_EQ(cells[10].left, 3 + www + www / 3);
  EXPECT_EQ(cells[10].top, m_reverse.m_nLineHeight);
}

TEST_F(DicoListBoxTest, PlainItemTextLeavesOutMarksNotesAndMarkers) {
  struct Case {
    const char* entry;
    const char* plain;
  } cases[] = {
      {"\x95" "aboyer\x95 [v.]", "aboyer"},
      {"chien [n.m.] *", "chien"},
      {"chat *", "chat"},
      {"le chat noir", "le chat noir"},
      {"maison", "maison"},
  };
  m_result.ShowLanguage(kFrench);
  for (const Case& c : cases) {
    Text plain;
    m_result.GetItemText(Position(kFrench, c.entry, false), plain);
    EXPECT_EQ(plain, MakeText(c.plain)) << c.entry;
  }
}

TEST_F(DicoListBoxTest, LookUpMakesTheEntryCurrentAtTheTop) {
  struct Case {
    const char* typed;
    bool moves;
  } cases[] = {{"house", true}, {"houses", true}, {"123", false}, {"", false}};
  for (const Case& c : cases) {
    m_result.SetCurSel(1, true);
    m_result.SetTopIndex(1);
    const int position = c.moves ? LookupPosition(c.typed, kEnglish) : 1;
    EXPECT_EQ(m_result.LookUp(MakeText(c.typed)), position) << c.typed;
    EXPECT_EQ(m_result.GetCurSel(), position) << c.typed;
    EXPECT_EQ(m_result.m_nTopIndex, std::min(position, m_result.m_nMaxTopIndex)) << c.typed;
  }
}

TEST_F(DicoListBoxTest, ShowingAnotherLanguageShowsItsWholeIndex) {
  m_result.SetCurSel(5, true);
  m_result.ShowLanguage(kEnglish);
  EXPECT_EQ(m_result.GetCurSel(), 5) << "the same language changes nothing";

  m_result.ShowLanguage(kFrench);
  EXPECT_EQ(m_result.m_nListLanguage, kFrench);
  EXPECT_EQ(m_result.m_nCount, Dictionary().RecordCount(kFrench));
  EXPECT_EQ(m_result.GetCurSel(), 0);
  EXPECT_EQ(m_result.m_nTopIndex, 0);

  m_reverse.LookUpReverse(MakeText("maison"));
  m_reverse.ClearForLanguage(kEnglish);
  EXPECT_EQ(m_reverse.m_nListLanguage, kEnglish);
  EXPECT_EQ(m_reverse.m_nCount, 0);
}

TEST_F(DicoListBoxTest, TheReverseListFollowsTheCurrentItem) {
  const int headword = Position(kEnglish, "house", false);
  m_result.SetCurSel(headword + 1, true);  // its translation, maison
  const int maison = LookupPosition("maison", kFrench);
  EXPECT_EQ(m_reverse.m_nCount, Dictionary().RecordCount(kFrench));
  EXPECT_EQ(m_reverse.GetCurSel(), maison);
  EXPECT_EQ(m_reverse.m_nTopIndex, std::min(maison, m_reverse.m_nMaxTopIndex));

  m_result.SetCurSel(headword, true);
  EXPECT_EQ(m_reverse.m_nCount, 0);
}

TEST_F(DicoListBoxTest, ADoubleClickedWordOfATranslationIsLookedUpAlone) {
  const int translation = Position(kEnglish, "le chat noir", true);
  const POINT noir = CellPoint(m_result, translation, 9);
  Click(m_app, m_result.m_hWnd, noir);
  m_result.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(noir.x, noir.y));
  m_result.SendMessage(WM_LBUTTONUP, 0, Point(noir.x, noir.y));
  EXPECT_EQ(m_result.m_nSelStart, 8);
  EXPECT_EQ(m_result.m_nSelEnd, 11);
  EXPECT_EQ(m_reverse.GetCurSel(), LookupPosition("noir", kFrench));
}

TEST_F(DicoListBoxTest, EnterSendsTheSelectionInTheItemsLanguage) {
  const int headword = Position(kEnglish, "house", false);
  m_result.SetCurSel(headword + 1, true);  // maison, French
  SetFocus(m_result.m_hWnd);
  PressKey(m_app, m_result.m_hWnd, VK_RETURN);
  EXPECT_EQ(m_view.m_calls, (std::vector<std::string>{"change language", "search "}));

  m_view.m_calls.clear();
  m_view.m_nLanguage = kEnglish;
  m_result.SetCurSel(headword, true);
  m_result.m_nSelStart = 0;
  m_result.m_nSelEnd = 2;
  PressKey(m_app, m_result.m_hWnd, VK_RETURN);
  EXPECT_EQ(m_view.m_calls, (std::vector<std::string>{"search hou"}));
}

TEST_F(DicoListBoxTest, CtrlClickSendsTheSelectionAsItStands) {
  const int headword = Position(kEnglish, "house", false);
  m_result.SetCurSel(headword + 1, true);
  m_result.m_nSelStart = 1;
  m_result.m_nSelEnd = 3;
  Click(m_app, m_result.m_hWnd, CellPoint(m_result, headword, 0), MK_CONTROL);
  EXPECT_EQ(m_view.m_calls, (std::vector<std::string>{"search ais"}));
  EXPECT_EQ(m_result.GetCurSel(), headword + 1);
  EXPECT_EQ(m_result.m_nSelStart, 1);
  EXPECT_EQ(m_result.m_nSelEnd, 3);
}

TEST_F(DicoListBoxTest, ListsWithoutAViewOrADictionaryStayQuiet) {
  CDicoListBox orphan(nullptr, kEnglish, 1007);
  orphan.Create(m_view.m_hWnd);
  orphan.SendMessage(0x0364);
  EXPECT_EQ(orphan.m_nCount, 0);
  EXPECT_EQ(orphan.LookUp(MakeText("house")), 0);
  Text text = MakeText("x");
  orphan.GetItemText(0, text);
  EXPECT_TRUE(text.empty());
}

}  // namespace
