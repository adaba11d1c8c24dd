// Fonts sized in points for the screen.
#pragma once
#include <windows.h>

// A font of `face` at `size` tenths of a point at the screen's resolution;
// null when it cannot be made.
HFONT CreatePointFont(int size, const char* face);
