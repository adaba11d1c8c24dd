// The laid-out characters of one list item: one cell per shown character, with
// the font, colour and rectangle it was laid out with. Painting draws them,
// item heights come from them, and the character selection hit-tests, inverts
// and exports them.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "dictionary/text.h"

struct GlyphCell {
  Byte character;
  HFONT font;       // one of the list's display fonts, not owned
  COLORREF colour;  // red in the low byte, then green, then blue
  // x from the client area's left edge; y from the item's top after
  // LayoutItem, from the window's top after LayoutItemAt.
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
  int32_t width;    // the character's own advance in its font
  int32_t kerning;  // pair adjustment with the previous cell; 0 when not measured
  bool wordStart;   // the previous cell holds white space other than the no-break space
};

using GlyphCells = std::vector<GlyphCell>;
