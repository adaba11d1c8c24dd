// The vbd command line: compile a source, convert a Macintosh text, look words
// up, dump an index.
//
//   vbd build SOURCE DEST        compile (a stop line on standard error when
//                                reading stopped early; exit 0)
//   vbd mac2win SOURCE DEST      convert a Macintosh text
//   vbd lookup DICT LANG TEXT    LANG en or fr; TEXT in UTF-8, or - to read
//                                one query per line from standard input
//   vbd dump DICT LANG           every index record
//
// Bad arguments, a missing or invalid file: one line on standard error, exit 2.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

// args excludes the program name.
int RunVbd(const std::vector<std::string>& args, std::FILE* in, std::FILE* out, std::FILE* err);
