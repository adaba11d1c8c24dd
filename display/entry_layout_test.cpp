#include <gtest/gtest.h>

#include <string>

#include "display/display_test_support.h"
#include "display/list_box.h"

namespace {

std::string Shown(const GlyphCells& cells) {
  std::string text;
  for (const GlyphCell& cell : cells) text += static_cast<char>(cell.character);
  return text;
}

class EntryLayoutTest : public ::testing::Test {
 protected:
  EntryLayoutTest() {
    m_list.Create(m_host.m_hWnd);
    m_list.SetDisplayFont(100, "Arial");
    m_list.m_nFirstIndent = 3;
    m_list.m_nContinuationIndent = 6;
  }

  // Lays `text` out with the client width given.
  int Layout(const std::string& text, int width = 600) {
    m_text = text;
    SizeList(m_list, width, 300);
    return m_list.LayoutItem(m_cells, 0);
  }
  int Width(const std::string& text) { return TextWidth(m_list.m_pFontPlain, text); }
  // The letter of each cell's font: p plain, b bold, i italic.
  std::string Fonts() {
    std::string fonts;
    for (const GlyphCell& cell : m_cells) {
      const bool bold = cell.font == m_list.m_pFontBold;
      fonts += bold ? 'b' : cell.font == m_list.m_pFontItalic ? 'i' : 'p';
    }
    return fonts;
  }
  // The cells from `first` on sit on line `line`, one after another from x.
  void ExpectLine(size_t first, size_t end, int line, int x) {
    for (size_t i = first; i < end; ++i) {
      const GlyphCell& cell = m_cells[i];
      EXPECT_EQ(cell.top, line * m_list.m_nLineHeight) << "cell " << i;
      EXPECT_EQ(cell.bottom, cell.top + m_list.m_nLineHeight) << "cell " << i;
      EXPECT_EQ(cell.left, x) << "cell " << i;
      x = cell.right;
    }
  }

  Application m_app{"Orvanto Test"};
  TestHost m_host{700, 400};
  std::string m_text;
  ScriptedList<JListBox> m_list{1, [this](int) { return m_text; }};
  GlyphCells m_cells;
};

TEST_F(EntryLayoutTest, MarkupCodesChooseFontsAndMakeNoCells) {
  struct Case {
    const char* text;
    const char* shown;
    const char* fonts;
  } cases[] = {
      {"plain words", "plain words", "ppppppppppp"},
      {"\\bkey\\p rest", "key rest", "bbbppppp"},
      {"\\Bkey\\Pa \\iit\\Ib", "keya itb", "bbbppiii"},
      {"a\\\\b", "a\\b", "ppp"},
      {"end\\", "end\\", "pppp"},
      {"\\xq\\7r", "qr", "pp"},
      {"\\c\x01\x01", "\x01\x01", "pp"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    Layout(c.text);
    EXPECT_EQ(Shown(m_cells), c.shown) << c.text;
    EXPECT_EQ(Fonts(), c.fonts) << c.text;
  }
}

TEST_F(EntryLayoutTest, ColourCodesColourTheFollowingCells) {
  Layout("a\\c\x01\x01\xFF" "bc\\Cd\\c\x10\x20\x30" "e");
  ASSERT_EQ(Shown(m_cells), "abcde");
  const COLORREF expected[] = {RGB(0, 0, 0), RGB(1, 1, 255), RGB(1, 1, 255), RGB(0, 0, 0),
                               RGB(0x10, 0x20, 0x30)};
  for (size_t i = 0; i < m_cells.size(); ++i) EXPECT_EQ(m_cells[i].colour, expected[i]) << i;
}

TEST_F(EntryLayoutTest, AKeywordToTheEndOfItsTextIsBoldToTheEnd) {
  m_list.m_nCount = 2;
  m_list.m_text = [](int index) { return index == 0 ? std::string("the \\bend") : "next"; };
  SizeList(m_list, 600, 300);
  m_list.LayoutItem(m_cells, 0);
  EXPECT_EQ(Fonts(), "ppppbbb");
  m_list.LayoutItem(m_cells, 1);
  EXPECT_EQ(Fonts(), "pppp") << "each layout starts from the plain font";
  HDC dc = GetDC(m_list.m_hWnd);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), m_list.m_pFontPlain);
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
}

TEST_F(EntryLayoutTest, WordsThatFitMakeOneLineOfMeasuredCells) {
  EXPECT_EQ(Layout("one line"), m_list.m_nLineHeight);
  ASSERT_EQ(m_cells.size(), 8u);
  ExpectLine(0, 8, 0, 3);
  for (const GlyphCell& cell : m_cells) {
    EXPECT_EQ(cell.width, Width(std::string(1, static_cast<char>(cell.character))));
    EXPECT_EQ(cell.right - cell.left, cell.width + cell.kerning);
  }
  EXPECT_FALSE(m_cells[3].wordStart);
  EXPECT_TRUE(m_cells[4].wordStart) << "the cell after a space starts a word";
}

TEST_F(EntryLayoutTest, AWordThatDoesNotFitMovesToAnIndentedLine) {
  const int height = Layout("aaa bbb ccc", 3 + Width("aaa bbb "));
  EXPECT_EQ(height, 2 * m_list.m_nLineHeight);
  ExpectLine(0, 8, 0, 3);  // the space stays at the end of the line it ends
  ExpectLine(8, 11, 1, 3 + 6);
}

TEST_F(EntryLayoutTest, AWordLongerThanALineBreaksWhereItStopsFitting) {
  Layout("abcdefgh", 3 + Width("abcde"));
  ExpectLine(0, 5, 0, 3);
  ExpectLine(5, 8, 1, 3 + 6);
}

TEST_F(EntryLayoutTest, ANoBreakSpaceKeepsItsWordsTogether) {
  Layout("aaa bbb\xA0" "ccc", 3 + Width("aaa bbb\xA0" "c"));
  ExpectLine(0, 4, 0, 3);
  ExpectLine(4, 11, 1, 3 + 6);
}

TEST_F(EntryLayoutTest, ACharacterWiderThanTheWindowStaysOnTheFirstLine) {
  EXPECT_EQ(Layout("ab", 2), 2 * m_list.m_nLineHeight);
  EXPECT_EQ(m_cells[0].top, 0);
  EXPECT_EQ(m_cells[1].top, m_list.m_nLineHeight);
}

TEST_F(EntryLayoutTest, RunsBreakAtEveryChangeOfFontColourOrLine) {
  Layout("ab\\bcd\\pe\\c\x01\x01\xFF" "fg hh",
         3 + Width("ab") + TextWidth(m_list.m_pFontBold, "cd") + Width("efg "));
  std::vector<std::string> runs;
  Text run;
  const int count = static_cast<int>(m_cells.size());
  for (int i = 0, next = 0; i < count; i = next) {
    m_list.GetRun(m_cells, count, i, next, run);
    runs.emplace_back(run.begin(), run.end());
  }
  EXPECT_EQ(runs, (std::vector<std::string>{"ab", "cd", "e", "fg ", "hh"}));
}

TEST_F(EntryLayoutTest, DrawnRunsShowTheirTextsInTheirFonts) {
  m_text = "\\bkey\\p text";
  SizeList(m_list, 600, 40);
  Screenshot shot = PaintAndCapture(m_list.m_hWnd);
  const int keyWidth = TextWidth(m_list.m_pFontBold, "key");
  const int lineHeight = m_list.m_nLineHeight;
  Screenshot key(m_list.m_pFontBold, "key", keyWidth, lineHeight - 1);
  Screenshot text(m_list.m_pFontPlain, " text", Width(" text"), lineHeight - 1);
  // The current item is inverted.
  auto region = [&](int left, int width) {
    return [&shot, left, width, lineHeight](const Screenshot& expected) {
      for (int y = 0; y < lineHeight - 1; ++y) {
        for (int x = 0; x < width; ++x) {
          if (shot.At(left + x, y) != (~expected.At(x, y) & 0xFFFFFF)) return false;
        }
      }
      return true;
    };
  };
  EXPECT_TRUE(region(3, keyWidth)(key));
  EXPECT_TRUE(region(3 + keyWidth, Width(" text"))(text));
}

}  // namespace
