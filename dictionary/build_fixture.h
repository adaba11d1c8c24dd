// Test fixture support: compiles a source given as a string into a file in the
// test's temporary folder, and reads files back.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dictionary/dictionary_builder.h"

using Bytes = std::vector<unsigned char>;

inline std::string TempPath(const std::string& name) { return ::testing::TempDir() + name; }

inline Bytes ReadFileBytes(const std::string& path) {
  Bytes bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f)) bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(f);
  }
  return bytes;
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// A scratch file of the test's own, opened for writing and reading. Not
// tmpfile(): the Windows C runtime names those in the drive's root, where two
// test programs running at once can pick the same name.
inline std::FILE* OpenScratchFile(const std::string& name) {
  return std::fopen(TempPath(name).c_str(), "w+b");
}

// Compiles `source` to `path`; returns the builder's stop line.
inline int CompileSource(const std::string& source, const std::string& path) {
  std::FILE* in = std::fopen((path + ".source").c_str(), "w+b");
  if (in == nullptr) {
    ADD_FAILURE() << "cannot write the source of " << path;
    return -1;
  }
  std::fwrite(source.data(), 1, source.size(), in);
  std::rewind(in);
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) {
    ADD_FAILURE() << "cannot write " << path;
    std::fclose(in);
    return -1;
  }
  const int stop = DictionaryBuilder().Build(in, out);
  std::fclose(out);
  std::fclose(in);
  return stop;
}
