// A deterministic synthetic dictionary source of any size, for benchmarks:
// word-like French and English texts with the features real entries have
// (several words, accents, bracketed notes, markers, shared sides).
#pragma once
#include <string>

// Writes `lines` source lines to `path`; false when the file cannot be written.
bool WriteSyntheticSource(const std::string& path, int lines);
