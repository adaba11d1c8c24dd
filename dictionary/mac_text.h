// Turns a Macintosh text (Macintosh Roman, lines ended by CR) into a Windows
// text (Windows-1252, lines ended by CR LF).
#pragma once
#include <cstdio>

// Source opened "rb" and read as text (see text_stream.h), destination opened
// "wb". Does nothing unless both are open.
void ConvertMacText(std::FILE* source, std::FILE* destination);
