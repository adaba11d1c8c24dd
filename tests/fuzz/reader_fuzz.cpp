// Arbitrary bytes as a compiled dictionary: the reader refuses the file or
// answers from it, and never reads outside the mapping.
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = FuzzPath("reader.vbd");
  WriteBytes(path, data, size);
  DictionaryFile dictionary(path.c_str());
  const size_t queryLength = size < 16 ? size : 16;
  Text query(data, data + queryLength);
  query.erase(std::remove(query.begin(), query.end(), 0), query.end());
  ExerciseReader(dictionary, query);
  return 0;
}
