// Character rules of Windows-1252 dictionary text: letter class, case,
// accents, white space, and the Macintosh Roman to Windows-1252 table.
// Every function is a look-up by the byte's unsigned value.
#pragma once
#include "dictionary/text.h"

bool IsLetter(Byte c);
bool IsBlank(Byte c);
Byte ToLower(Byte c);
Byte StripAccent(Byte c);
// The key of every comparison: accent removed, then lower-cased. Ligatures
// fold to one letter (Œ to o, Æ to a); white space folds to itself only.
Byte FoldChar(Byte c);
Byte MacToWindows(Byte c);
