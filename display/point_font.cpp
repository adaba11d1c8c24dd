#include "display/point_font.h"

#include <cstdlib>

HFONT CreatePointFont(int size, const char* face) {
  LOGFONTA description = {};
  description.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(description.lfFaceName, face, LF_FACESIZE);
  HDC screen = ::GetDC(nullptr);
  // Character height in pixels: points are 1/72 inch, the size is in tenths.
  description.lfHeight = -std::abs(::MulDiv(::GetDeviceCaps(screen, LOGPIXELSY), size, 720));
  ::ReleaseDC(nullptr, screen);
  return ::CreateFontIndirectA(&description);
}
