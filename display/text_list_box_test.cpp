#include "display/text_list_box.h"

#include <gtest/gtest.h>

#include <string>

#include "display/display_test_support.h"

namespace {

const char* const kItems[] = {"first item", "abcd efgh ijkl", "last"};
constexpr int kWordItem = 1;
constexpr int kCells = 14;  // in "abcd efgh ijkl"

class SelectionList : public ScriptedList<JTextListBox> {
 public:
  SelectionList() : ScriptedList(3, [](int index) { return std::string(kItems[index]); }) {}

  int m_nSelectionChanges = 0;
  void OnTextSelectionChanged() override { ++m_nSelectionChanges; }
};

class TextListBoxTest : public ::testing::Test {
 protected:
  TextListBoxTest() {
    m_list.m_nFirstIndent = 3;
    PlaceList(m_list, m_host, 400, 200);
  }

  GlyphCells Cells(int item) {
    GlyphCells cells;
    m_list.LayoutItemAt(cells, item);
    return cells;
  }
  // A point in cell g of an item: in its left or its right half.
  POINT At(int item, int g, bool rightHalf = false) {
    const GlyphCell cell = Cells(item)[g];
    return {rightHalf ? cell.right - 1 : cell.left, cell.top + 2};
  }
  void Send(UINT message, POINT point, UINT flags = MK_LBUTTON) {
    m_list.SendMessage(message, flags, Point(point.x, point.y));
  }
  void ClickAt(POINT point, UINT flags = 0) { Click(m_app, m_list.m_hWnd, point, flags); }
  void DoubleClickAt(POINT point) {
    ClickAt(point);
    Send(WM_LBUTTONDBLCLK, point);
    Send(WM_LBUTTONUP, point, 0);
  }
  // Lets the double-click time pass, so that the next press is a first click.
  void WaitForDoubleClickTime() { Sleep(GetDoubleClickTime() + 50); }
  void Select(int start, int end) {
    m_list.m_nSelStart = start;
    m_list.m_nSelEnd = end;
  }
  void ExpectSelection(int start, int end) {
    EXPECT_EQ(m_list.m_nSelStart, start);
    EXPECT_EQ(m_list.m_nSelEnd, end);
  }
  void ExpectAnchor(int start, int end) {
    EXPECT_EQ(m_list.m_nAnchorStart, start);
    EXPECT_EQ(m_list.m_nAnchorEnd, end);
  }

  Application m_app{"Orvanto Test"};
  TestHost m_host{600, 400};
  SelectionList m_list;
};

TEST_F(TextListBoxTest, AClickPlacesACaretBeforeTheCharacter) {
  for (bool rightHalf : {false, true}) {
    ClickAt(At(kWordItem, 6, rightHalf));
    EXPECT_EQ(m_list.GetCurSel(), kWordItem);
    EXPECT_EQ(GetFocus(), m_list.m_hWnd);
    ExpectSelection(6, 5);
    ExpectAnchor(6, 5);
  }
  EXPECT_EQ(m_list.m_nSelectionChanges, 2) << "every release reports the selection";
  // Beyond the end of the line: after the last cell.
  const GlyphCell last = Cells(kWordItem)[kCells - 1];
  ClickAt({last.right + 20, last.top + 2});
  ExpectSelection(kCells, kCells - 1);
}

TEST_F(TextListBoxTest, ADoubleClickTakesAWordAndAThirdClickTheWholeItem) {
  DoubleClickAt(At(kWordItem, 6));
  ExpectSelection(5, 8);
  ExpectAnchor(5, 8);
  // The selected word is shown inverted, 3 pixels inside the item's line.
  UpdateWindow(m_list.m_hWnd);
  Screenshot shot(m_list.m_hWnd);
  const GlyphCell first = Cells(kWordItem)[5];
  EXPECT_EQ(shot.At(first.left, first.top + 3), RGB(0, 0, 0));
  EXPECT_EQ(shot.At(first.left, first.top + 2), RGB(255, 255, 255));
  const GlyphCell space = Cells(kWordItem)[4];
  EXPECT_EQ(shot.At(space.left, space.top + 3), RGB(255, 255, 255));

  for (int press = 3; press <= 4; ++press) {
    ClickAt(At(kWordItem, 2));
    ExpectSelection(0, kCells - 1);
    ExpectAnchor(kCells, -1);
  }

  WaitForDoubleClickTime();
  ClickAt(At(kWordItem, 2));
  ExpectSelection(2, 1);
}

TEST_F(TextListBoxTest, ADoubleClickOutsideAWord) {
  struct Case {
    int cell;  // -1: after the last cell
    int start;
    int end;
  } cases[] = {
      {4, 5, 8},      // on the space: the word that follows
      {-1, 14, 13},   // after the last cell: nothing, a caret at the end
      {0, 0, 3},
      {13, 10, 13},
  };
  const GlyphCell last = Cells(kWordItem)[kCells - 1];
  for (const Case& c : cases) {
    WaitForDoubleClickTime();
    DoubleClickAt(c.cell < 0 ? POINT{last.right + 20, last.top + 2} : At(kWordItem, c.cell));
    ExpectSelection(c.start, c.end);
  }
}

TEST_F(TextListBoxTest, ShiftClickExtendsFromTheAnchor) {
  struct Case {
    int cell;  // -1: after the last cell
    bool rightHalf;
    int start;
    int end;
  } cases[] = {
      {7, false, 2, 6}, {7, true, 2, 7},  {0, false, 0, 1},
      {0, true, 1, 1},  {2, false, 2, 1}, {2, true, 2, 2},  {-1, false, 2, kCells - 1},
  };
  const GlyphCell last = Cells(kWordItem)[kCells - 1];
  for (const Case& c : cases) {
    ClickAt(At(kWordItem, 2));
    POINT point = c.cell < 0 ? POINT{last.right + 20, last.top + 2}
                             : At(kWordItem, c.cell, c.rightHalf);
    ClickAt(point, MK_SHIFT);
    ExpectSelection(c.start, c.end);
    ExpectAnchor(2, 1);
  }
}

TEST_F(TextListBoxTest, LeftAndRightMoveOrGrowTheSelection) {
  struct Case {
    int start;
    int end;
    UINT key;
    int modifiers;
    int newStart;
    int newEnd;
  } cases[] = {
      {-1, -1, VK_LEFT, kNoModifier, kCells, kCells - 1},
      {-1, -1, VK_RIGHT, kNoModifier, 0, -1},
      {3, 5, VK_LEFT, kShift, 2, 5},
      {0, 5, VK_LEFT, kShift, 0, 5},
      {3, 5, VK_RIGHT, kShift, 3, 6},
      {3, kCells - 1, VK_RIGHT, kShift, 3, kCells - 1},
      {4, 3, VK_RIGHT, kShift, 4, 4},
      {3, 5, VK_LEFT, kNoModifier, 3, 2},
      {3, 5, VK_RIGHT, kNoModifier, 6, 5},
      {3, 2, VK_LEFT, kNoModifier, 2, 1},
      {0, -1, VK_LEFT, kNoModifier, 0, -1},
      {3, 2, VK_RIGHT, kNoModifier, 4, 3},
      {kCells, kCells - 1, VK_RIGHT, kNoModifier, kCells, kCells - 1},
  };
  m_list.SetCurSel(kWordItem, true);
  SetFocus(m_list.m_hWnd);
  for (const Case& c : cases) {
    Select(c.start, c.end);
    m_list.m_nSelectionChanges = 0;
    PressKey(m_app, m_list.m_hWnd, c.key, c.modifiers);
    SCOPED_TRACE(testing::Message() << c.start << "," << c.end << " key " << c.key);
    ExpectSelection(c.newStart, c.newEnd);
    const bool changed = c.start != c.newStart || c.end != c.newEnd;
    EXPECT_EQ(m_list.m_nSelectionChanges, changed ? 1 : 0);
  }
}

TEST_F(TextListBoxTest, ChangingTheCurrentItemClearsTheSelection) {
  DoubleClickAt(At(kWordItem, 6));
  PressKey(m_app, m_list.m_hWnd, VK_DOWN);
  EXPECT_EQ(m_list.GetCurSel(), kWordItem + 1);
  ExpectSelection(-1, -1);
  ExpectAnchor(-1, -1);
}

TEST_F(TextListBoxTest, DraggingInvertsExactlyTheCellsBetweenAnchorAndPointer) {
  ClickAt(At(kWordItem, 7));
  // Left past the anchor, then back and beyond it to the right.
  Send(WM_MOUSEMOVE, At(kWordItem, 5));
  ExpectSelection(5, 6);
  Send(WM_MOUSEMOVE, At(kWordItem, 2, true));
  ExpectSelection(3, 6);
  Send(WM_MOUSEMOVE, At(kWordItem, 11, true));
  ExpectSelection(7, 11);
  Screenshot inverted(m_list.m_hWnd);
  EXPECT_TRUE(inverted.SameAs(PaintAndCapture(m_list.m_hWnd)));

  Send(WM_MOUSEMOVE, At(kWordItem, 12), 0);
  ExpectSelection(7, 11);  // without the button the selection stays
}

TEST_F(TextListBoxTest, PressingOnTheSelectionAndReleasingLeavesACaret) {
  DoubleClickAt(At(kWordItem, 6));
  WaitForDoubleClickTime();
  m_list.m_nSelectionChanges = 0;
  // The press waits for the pointer to leave the selection; the release
  // arrives first.
  POINT point = At(kWordItem, 7);
  PostMessageA(m_list.m_hWnd, WM_LBUTTONUP, 0, Point(point.x, point.y));
  Send(WM_LBUTTONDOWN, point);
  ExpectSelection(7, 6);
  ExpectAnchor(7, 6);
  PumpPending(m_app);
  EXPECT_EQ(m_list.m_nSelectionChanges, 1) << "the release reaches the list";
}

TEST_F(TextListBoxTest, TheOutlineShowsWhetherTheListHasTheFocus) {
  m_list.SetCurSel(kWordItem, true);
  RECT item;
  m_list.GetItemRect(kWordItem, item);
  const int middle = (item.top + item.bottom) / 2;
  SetFocus(m_list.m_hWnd);
  EXPECT_EQ(PaintAndCapture(m_list.m_hWnd).At(item.left + 1, middle), RGB(180, 180, 180));
  SetFocus(m_host.m_hWnd);
  EXPECT_EQ(PaintAndCapture(m_list.m_hWnd).At(item.left + 1, middle), RGB(230, 230, 230));
}

TEST_F(TextListBoxTest, HitTestingFindsTheCellAtOrAfterAPoint) {
  m_list.m_text = [](int) { return std::string("aaaa bbbb"); };
  SizeList(m_list, 3 + TextWidth(m_list.m_pFontPlain, "aaaa "), 200);
  GlyphCells cells = Cells(0);
  ASSERT_EQ(cells[5].top, cells[0].bottom) << "two lines";
  struct Case {
    int x;
    int y;
    int cell;
  } cases[] = {
      {cells[2].left, cells[2].top + 1, 2},
      {cells[4].right + 5, cells[4].top + 1, 5},  // beyond the end of the first line
      {0, cells[0].top - 1, 0},                   // above the item
      {cells[8].right + 5, cells[8].top + 1, 9},  // beyond the end of the last line
      {0, cells[8].bottom + 5, 9},                // below the item
  };
  for (const Case& c : cases) EXPECT_EQ(m_list.HitTestGlyph(c.x, c.y, cells), c.cell) << c.x;
  EXPECT_EQ(m_list.HitTestGlyph(0, 0, GlyphCells()), -1);
}

}  // namespace
