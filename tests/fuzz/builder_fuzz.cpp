// Arbitrary bytes as a dictionary source: the builder always writes a file the
// reader accepts, and the reader answers from it.
#include <cstdlib>

#include "dictionary/dictionary_builder.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string source = FuzzPath("source.txt");
  static const std::string compiled = FuzzPath("built.vbd");
  WriteBytes(source, data, size);
  std::FILE* in = std::fopen(source.c_str(), "rb");
  std::FILE* out = std::fopen(compiled.c_str(), "wb");
  DictionaryBuilder().Build(in, out);
  std::fclose(in);
  std::fclose(out);
  DictionaryFile dictionary(compiled.c_str());
  if (!dictionary.IsValid()) std::abort();  // the builder wrote a file its reader refuses
  Text query(data, data + (size < 24 ? size : 24));
  query.erase(std::remove(query.begin(), query.end(), 0), query.end());
  ExerciseReader(dictionary, query);
  return 0;
}
