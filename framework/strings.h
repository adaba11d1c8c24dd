// String-table texts and placeholder replacement. Texts are Windows-1252 byte
// strings, as the ANSI functions give them.
#pragma once
#include <windows.h>

#include <string>

// The whole text of string `id` of the program's string table; empty when
// there is none.
std::string LoadResourceString(UINT id);

// `text` with every occurrence of `placeholder` replaced by `value`; the
// replacement is not searched again.
std::string ReplaceAll(std::string text, const std::string& placeholder, const std::string& value);
