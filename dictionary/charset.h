// Character rules of Windows-1252 dictionary text: letter class, case,
// accents, white space, and the Macintosh Roman to Windows-1252 table.
// Every function is a look-up by the byte's unsigned value.
#pragma once
#include <array>

#include "dictionary/text.h"

// The fold table, read inline by FoldChar: comparisons fold every byte.
extern const std::array<Byte, 256> g_foldTable;

bool IsLetter(Byte c);
inline bool IsBlank(Byte c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20; }
Byte ToLower(Byte c);
Byte StripAccent(Byte c);
// The key of every comparison: accent removed, then lower-cased. Ligatures
// fold to one letter (Œ to o, Æ to a); white space folds to itself only.
inline Byte FoldChar(Byte c) { return g_foldTable[c]; }
Byte MacToWindows(Byte c);
