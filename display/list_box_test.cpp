#include "display/list_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "display/display_test_support.h"

namespace {

std::string DefaultLine(int index) {
  return std::to_string(index) + ". This is the default JListBox formatted string.";
}

class ListBoxTest : public ::testing::Test {
 protected:
  // A list of one-line items whose client area shows ten of them whole and
  // half of the eleventh.
  void PlaceTenAndAHalf(JListBox& list) {
    PlaceList(list, m_host, 500, 200);
    SizeList(list, 500, 10 * list.m_nLineHeight + list.m_nLineHeight / 2);
  }
  void Scroll(JListBox& list, int code, int position = 0) {
    list.SendMessage(WM_VSCROLL, MAKEWPARAM(code, position), 0);
  }
  // The picture after scrolling is the one a full painting gives.
  void ExpectPictureOfAFullPainting(JListBox& list) {
    Screenshot scrolled(list.m_hWnd);
    EXPECT_TRUE(scrolled.SameAs(PaintAndCapture(list.m_hWnd)));
  }

  Application m_app{"Orvanto Test"};
  TestHost m_host{700, 740};
};

TEST_F(ListBoxTest, DefaultListShowsNumberedLinesWithTheCurrentOneInverted) {
  JListBox list(3, 1005);
  PlaceList(list, m_host, 500, 200);
  list.SetCurSel(1, true);
  Screenshot shot = PaintAndCapture(list.m_hWnd);

  const int lineHeight = list.m_nLineHeight;
  LOGFONTA font;
  GetObjectA(list.m_pFontPlain, sizeof font, &font);
  EXPECT_EQ(lineHeight, std::abs(font.lfHeight) + 8);
  for (int i = 0; i < 3; ++i) {
    Screenshot line(list.m_pFontPlain, DefaultLine(i), shot.m_nWidth, lineHeight - 1);
    EXPECT_TRUE(shot.ShowsAt(i * lineHeight, line, lineHeight - 1, i == 1)) << "item " << i;
  }
  EXPECT_FALSE(shot.HasInkIn({0, 3 * lineHeight, shot.m_nWidth, shot.m_nHeight}));
  EXPECT_EQ(list.m_nLastVisibleIndex, 2);
  EXPECT_EQ(list.m_nLastFullIndex, 2);
}

TEST_F(ListBoxTest, AListOfNoItemsPaintsOnlyTheBackground) {
  ScriptedList<JListBox> list(0, DefaultLine);
  PlaceList(list, m_host, 300, 100);
  Screenshot shot = PaintAndCapture(list.m_hWnd);
  EXPECT_FALSE(shot.HasInkIn({0, 0, shot.m_nWidth, shot.m_nHeight}));
  list.SetCurSel(0, true);
  EXPECT_EQ(list.m_nSelChanges, 0);
  EXPECT_EQ(list.GetCurSel(), 0);
}

TEST_F(ListBoxTest, ItemsThatFitHideTheScrollBar) {
  JListBox list(3, 1005);
  PlaceList(list, m_host, 500, 200);
  EXPECT_EQ(list.m_nMaxTopIndex, 0);
  EXPECT_FALSE(GetWindowLongA(list.m_hWnd, GWL_STYLE) & WS_VSCROLL);

  list.SetCount(100);
  EXPECT_TRUE(GetWindowLongA(list.m_hWnd, GWL_STYLE) & WS_VSCROLL);
  // The last page starts where the remaining items fill the window.
  RECT client;
  GetClientRect(list.m_hWnd, &client);
  const int perPage = client.bottom / list.m_nLineHeight;
  EXPECT_EQ(list.m_nMaxTopIndex, 100 - perPage);
}

TEST_F(ListBoxTest, ScrollBarUnitsStayWithin32767Items) {
  JListBox list(32767, 1005);
  PlaceTenAndAHalf(list);
  EXPECT_EQ(list.m_nScrollScale, 1);

  list.SetCount(32768);
  EXPECT_EQ(list.m_nScrollScale, 2);
  EXPECT_EQ(list.m_nMaxTopIndex, 32768 - 10);
  int low = -1;
  int high = -1;
  GetScrollRange(list.m_hWnd, SB_VERT, &low, &high);
  EXPECT_EQ(high, (32768 - 10) / 2);

  Scroll(list, SB_THUMBTRACK, 100);
  EXPECT_EQ(list.m_nTopIndex, 0) << "dragging the thumb moves nothing";
  Scroll(list, SB_THUMBPOSITION, 100);
  EXPECT_EQ(list.m_nTopIndex, 200);
  EXPECT_EQ(GetScrollPos(list.m_hWnd, SB_VERT), 100);
  Scroll(list, SB_THUMBPOSITION, high);
  EXPECT_EQ(list.m_nTopIndex, list.m_nMaxTopIndex) << "clamped to the last page";
}

TEST_F(ListBoxTest, PagesMoveByWhatTheWindowShows) {
  JListBox list(100, 1005);
  PlaceTenAndAHalf(list);
  ASSERT_EQ(list.m_nLastFullIndex, 9);

  PressKey(m_app, list.m_hWnd, VK_NEXT);
  EXPECT_EQ(list.m_nTopIndex, 9) << "the last fully visible item becomes the top";
  ExpectPictureOfAFullPainting(list);

  list.SetTopIndex(20);
  PressKey(m_app, list.m_hWnd, VK_PRIOR);
  EXPECT_EQ(list.m_nTopIndex, 10) << "the ten items above fill the window";
  ExpectPictureOfAFullPainting(list);
  EXPECT_EQ(list.GetCurSel(), 0) << "paging never moves the current item";
}

TEST_F(ListBoxTest, LinesScrollByMovingThePicture) {
  JListBox list(100, 1005);
  PlaceTenAndAHalf(list);
  list.SetCurSel(2, true);
  for (int code : {SB_LINEDOWN, SB_LINEDOWN, SB_LINEUP}) {
    Scroll(list, code);
    ExpectPictureOfAFullPainting(list);
  }
  EXPECT_EQ(list.m_nTopIndex, 1);
  Scroll(list, SB_BOTTOM);
  EXPECT_EQ(list.m_nTopIndex, list.m_nMaxTopIndex);
  Scroll(list, SB_TOP);
  EXPECT_EQ(list.m_nTopIndex, 0);
}

TEST_F(ListBoxTest, HomeAndEndMoveTheViewOnly) {
  JListBox list(100, 1005);
  PlaceTenAndAHalf(list);
  list.SetCurSel(5, true);
  PressKey(m_app, list.m_hWnd, VK_END);
  EXPECT_EQ(list.m_nTopIndex, 90);
  EXPECT_EQ(list.GetCurSel(), 5);
  PressKey(m_app, list.m_hWnd, VK_HOME);
  EXPECT_EQ(list.m_nTopIndex, 0);
  EXPECT_EQ(list.GetCurSel(), 5);
}

TEST_F(ListBoxTest, UpAndDownMoveTheCurrentItemIntoView) {
  ScriptedList<JListBox> list(100, DefaultLine);
  PlaceTenAndAHalf(list);
  PressKey(m_app, list.m_hWnd, VK_UP);
  EXPECT_EQ(list.GetCurSel(), 0);
  EXPECT_EQ(list.m_nSelChanges, 0);

  list.SetCurSel(9, true);
  PressKey(m_app, list.m_hWnd, VK_DOWN);
  EXPECT_EQ(list.GetCurSel(), 10);
  EXPECT_EQ(list.m_nTopIndex, 1) << "scrolled just far enough to show it whole";
  EXPECT_EQ(list.m_nLastFullIndex, 10);

  list.SetCurSel(99, true);
  list.EnsureVisible(99);
  PressKey(m_app, list.m_hWnd, VK_DOWN);
  EXPECT_EQ(list.GetCurSel(), 99);
  PressKey(m_app, list.m_hWnd, VK_UP);
  EXPECT_EQ(list.GetCurSel(), 98);
}

TEST_F(ListBoxTest, ItemsTallerThanTheWindow) {
  // Each item wraps to more lines than the window holds.
  ScriptedList<JListBox> list(5, [](int index) {
    std::string text = std::to_string(index) + ".";
    for (int i = 0; i < 60; ++i) text += " word";
    return text;
  });
  PlaceList(list, m_host, 200, 60);
  EXPECT_EQ(list.m_nMaxTopIndex, 4) << "the last item alone is the last page";
  EXPECT_EQ(list.m_nLastFullIndex, -1);
  PressKey(m_app, list.m_hWnd, VK_NEXT);
  EXPECT_EQ(list.m_nTopIndex, 1) << "with no item fully visible the view moves on by one";
}

TEST_F(ListBoxTest, OnlyTheTopFullyVisibleItemLeavesPageDownInPlace) {
  ScriptedList<JListBox> list(5, [](int index) {
    return index % 2 ? std::string("one line") : std::string("a b c d e f g h i j k l m n o p");
  });
  PlaceList(list, m_host, 100, 10);
  // Item 0 wraps to several lines; the window shows it whole and the start of item 1.
  const int firstHeight = list.MeasureItemHeight(0);
  ASSERT_GT(firstHeight, list.m_nLineHeight);
  SizeList(list, 100, firstHeight + list.m_nLineHeight / 2);
  ASSERT_EQ(list.m_nLastFullIndex, 0);
  PressKey(m_app, list.m_hWnd, VK_NEXT);
  EXPECT_EQ(list.m_nTopIndex, 0);
}

TEST_F(ListBoxTest, OnlyFiftyItemsKeepTheirRectangles) {
  ScriptedList<JListBox> list(80, [](int index) { return std::to_string(index); });
  list.m_nLeading = 0;
  list.Create(m_host.m_hWnd);
  list.SetDisplayFont(60, "Arial");
  SizeList(list, 100, 60 * list.m_nLineHeight);
  ASSERT_EQ(list.m_nLastFullIndex, 59);

  RECT rect;
  list.GetItemRect(49, rect);
  EXPECT_EQ(rect.top, 49 * list.m_nLineHeight);
  list.GetItemRect(50, rect);
  EXPECT_TRUE(IsRectEmpty(&rect));
  // Heights of items without a rectangle are measured again.
  int end = 59;
  EXPECT_EQ(list.SumHeights(0, end, 1000000), 60 * list.m_nLineHeight);

  // Changing the current item to one without a rectangle invalidates only the old one.
  ValidateRect(list.m_hWnd, nullptr);
  list.SetCurSel(55, false);
  RECT update;
  ASSERT_TRUE(GetUpdateRect(list.m_hWnd, &update, FALSE));
  EXPECT_LE(update.bottom, list.m_nLineHeight + 3);
}

TEST_F(ListBoxTest, NarrowingTheWindowWrapsItemsAgain) {
  ScriptedList<JListBox> list(30, [](int) { return std::string("alpha beta gamma delta"); });
  PlaceList(list, m_host, 400, 100);
  const int oneLine = list.m_nLineHeight;
  EXPECT_EQ(list.MeasureItemHeight(0), oneLine);
  const int lastPageWide = list.m_nMaxTopIndex;

  SizeList(list, TextWidth(list.m_pFontPlain, "alpha beta gamma"), 100);
  EXPECT_EQ(list.MeasureItemHeight(0), 2 * oneLine);
  EXPECT_EQ(list.m_nMaxTopIndex, 30 - (100 / (2 * oneLine)));
  EXPECT_GT(list.m_nMaxTopIndex, lastPageWide);
}

TEST_F(ListBoxTest, ClickingMakesTheItemCurrentButNotBelowTheLast) {
  ScriptedList<JListBox> list(3, DefaultLine);
  PlaceList(list, m_host, 500, 200);
  const int lineHeight = list.m_nLineHeight;
  // The press waits for a drag until the button is released.
  Click(m_app, list.m_hWnd, {10, 2 * lineHeight + 2});
  EXPECT_EQ(list.GetCurSel(), 2);
  EXPECT_EQ(GetFocus(), list.m_hWnd);

  EXPECT_EQ(list.ItemFromPoint(10, 3 * lineHeight + 5), 3);
  Click(m_app, list.m_hWnd, {10, 3 * lineHeight + 5});
  EXPECT_EQ(list.GetCurSel(), 2);
  EXPECT_EQ(list.m_nSelChanges, 1);
}

}  // namespace
