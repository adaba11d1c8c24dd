// Entry texts with markup codes turned into glyph cells and drawn.
//
// A backslash and a letter switch the font (\b bold, \i italic, \p plain) or
// the colour (\c and three bytes red, green, blue; \C back to the colour the
// layout began with); two backslashes show one. Every other byte is a cell,
// measured in its font, placed after the previous one with half of their pair
// adjustment on each side, and wrapped to the client width at the last word
// start of the line.
#include "display/list_box.h"

#include <algorithm>

#include "dictionary/charset.h"

namespace {

// Lays one text out in a device context; the context's font and colour are
// those in force as the layout goes.
class EntryLayout {
 public:
  EntryLayout(HDC dc, const JListBox& list, int availableWidth, int firstIndent,
              int continuationIndent)
      : m_dc(dc),
        m_list(list),
        m_availableWidth(availableWidth),
        m_firstIndent(firstIndent),
        m_continuationIndent(continuationIndent),
        m_font(static_cast<HFONT>(::GetCurrentObject(dc, OBJ_FONT))),
        m_defaultColour(::GetTextColor(dc)),
        m_colour(m_defaultColour),
        m_x(firstIndent) {}

  ~EntryLayout() {
    ::SelectObject(m_dc, m_fontBefore);
    ::SetTextColor(m_dc, m_defaultColour);
  }

  void Run(const Text& text, GlyphCells& cells);

 private:
  // Applies the code whose letter is at text[i]; returns the last byte it used.
  size_t ApplyCode(const Text& text, size_t i);
  void SelectFont(HFONT font);
  void AddCell(Byte ch, GlyphCells& cells);
  void Wrap(bool startsWord, GlyphCells& cells);

  HDC m_dc;
  const JListBox& m_list;
  const int m_availableWidth;
  const int m_firstIndent;
  const int m_continuationIndent;
  HFONT m_font;
  const HFONT m_fontBefore = m_font;
  const COLORREF m_defaultColour;
  COLORREF m_colour;
  int m_x;              // pen position
  int m_y = 0;          // top of the current line
  size_t m_lineStart = 0;  // first cell of the current line
};

void EntryLayout::Run(const Text& text, GlyphCells& cells) {
  const size_t n = text.size();
  for (size_t i = 0; i < n; ++i) {
    if (i + 1 < n && text[i] == '\\') {
      if (text[i + 1] != '\\') {
        i = ApplyCode(text, i + 1);
        continue;
      }
      ++i;  // the second backslash is shown
    }
    AddCell(text[i], cells);
  }
}

size_t EntryLayout::ApplyCode(const Text& text, size_t i) {
  switch (text[i]) {
    case 'b':
    case 'B':
      SelectFont(m_list.m_pFontBold);
      break;
    case 'i':
    case 'I':
      SelectFont(m_list.m_pFontItalic);
      break;
    case 'p':
    case 'P':
      SelectFont(m_list.m_pFontPlain);
      break;
    case 'C':
      m_colour = m_defaultColour;
      ::SetTextColor(m_dc, m_colour);
      break;
    case 'c':
      // Without three colour bytes the code does nothing and they are shown.
      if (i + 3 < text.size()) {
        m_colour = RGB(text[i + 1], text[i + 2], text[i + 3]);
        ::SetTextColor(m_dc, m_colour);
        i += 3;
      }
      break;
  }
  return i;
}

void EntryLayout::SelectFont(HFONT font) {
  if (!font) return;
  ::SelectObject(m_dc, font);
  m_font = font;
}

void EntryLayout::AddCell(Byte ch, GlyphCells& cells) {
  SIZE extent;
  ::GetTextExtentPoint32A(m_dc, reinterpret_cast<const char*>(&ch), 1, &extent);
  const int w = extent.cx;
  const GlyphCell* previous = cells.empty() ? nullptr : &cells.back();
  // The no-break space (0xA0) is not blank: the words around it stay together.
  const bool startsWord = previous && IsBlank(previous->character);
  int k = 0;
  if (previous && previous->font == m_font) {
    const char pair[2] = {static_cast<char>(previous->character), static_cast<char>(ch)};
    ::GetTextExtentPoint32A(m_dc, pair, 2, &extent);
    k = extent.cx - w - previous->width;
  }
  const int half = k / 2;

  // A character that does not fit on a line holding nothing yet stays there:
  // moving it down would only leave an empty line.
  if (m_x + k + w > m_availableWidth && cells.size() > m_lineStart) Wrap(startsWord, cells);

  const int lineHeight = m_list.m_nLineHeight;
  GlyphCell cell = {ch, m_font, m_colour, m_x, m_y, m_x + w, m_y + lineHeight, w, k, startsWord};
  if (cells.size() > m_lineStart && k != 0) {
    cells.back().right += half;
    cell.left = cells.back().right;
    cell.right = m_x + k + w;
  }
  cells.push_back(cell);
  m_x = cell.right;
}

void EntryLayout::Wrap(bool startsWord, GlyphCells& cells) {
  const int lineHeight = m_list.m_nLineHeight;
  const int indent = m_firstIndent + m_continuationIndent;
  m_y += lineHeight;
  m_x = indent;
  // Break before the last word start of the line, unless the new character
  // starts a word itself; a word longer than the line breaks where it is.
  size_t breakPoint = cells.size();
  if (!startsWord) {
    for (size_t j = cells.size() - 1; j > m_lineStart; --j) {
      if (cells[j].wordStart) {
        breakPoint = j;
        break;
      }
    }
  }
  m_lineStart = breakPoint;
  if (breakPoint >= cells.size()) return;
  const int shift = cells[breakPoint].left - indent;
  for (size_t j = breakPoint; j < cells.size(); ++j) {
    cells[j].left -= shift;
    cells[j].right -= shift;
    cells[j].top = m_y;
    cells[j].bottom = m_y + lineHeight;
  }
  m_x = cells.back().right;
}

}  // namespace

int JListBox::LayoutItem(GlyphCells& cells, int index) {
  cells.clear();
  HDC dc = OwnDC();
  if (!dc || index < 0 || index >= m_nCount) return 0;
  Text text;
  GetItemFormattedText(index, text);
  int firstIndent = 0;
  int continuationIndent = 0;
  GetMargins(index, firstIndent, continuationIndent);
  EntryLayout(dc, *this, m_rcClient.right - m_rcClient.left, firstIndent, continuationIndent)
      .Run(text, cells);
  if (cells.empty()) return 0;
  return cells.back().bottom - cells.front().top;
}

void JListBox::LayoutItemAt(GlyphCells& cells, int index) {
  LayoutItem(cells, index);
  RECT item;
  GetItemRect(index, item);
  for (GlyphCell& cell : cells) {
    cell.top += item.top;
    cell.bottom += item.top;
  }
}

int JListBox::MeasureItemHeight(int index) {
  GlyphCells cells;
  return LayoutItem(cells, index);
}

void JListBox::GetRun(const GlyphCells& cells, int count, int index, int& next, Text& text) {
  text.assign(1, cells[index].character);
  const GlyphCell& first = cells[index];
  for (next = std::min(index + 1, count); next < count; ++next) {
    const GlyphCell& cell = cells[next];
    if (cell.font != first.font || cell.colour != first.colour || cell.top != first.top) break;
    text.push_back(cell.character);
  }
}

void JListBox::DrawItemText(const GlyphCells& cells, int y, HDC dc) {
  HGDIOBJ fontBefore = ::GetCurrentObject(dc, OBJ_FONT);
  const COLORREF colourBefore = ::GetTextColor(dc);
  const int count = static_cast<int>(cells.size());
  Text run;
  for (int i = 0, next = 0; i < count; i = next) {
    GetRun(cells, count, i, next, run);
    const GlyphCell& cell = cells[i];
    ::SelectObject(dc, cell.font);
    ::SetTextColor(dc, cell.colour);
    RECT rect = {cell.left, cell.top + y, m_rcClient.right, cell.bottom + y};
    ::DrawTextA(dc, reinterpret_cast<const char*>(run.data()), static_cast<int>(run.size()), &rect,
                0);
  }
  ::SelectObject(dc, fontBefore);
  ::SetTextColor(dc, colourBefore);
}
