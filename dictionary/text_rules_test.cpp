#include "dictionary/text_rules.h"

#include <gtest/gtest.h>

#include "dictionary/test_support.h"

TEST(TrimBlanks, RemovesWhiteSpaceAtBothEnds) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"  \tmot \r\n", "mot"}, {"   ", ""}, {"", ""}, {"a b", "a b"}, {"\x0B\x0Cx\xA0", "x\xA0"},
  };
  for (const Case& c : cases) {
    Text text = T(c.in);
    TrimBlanks(text);
    EXPECT_EQ(text, T(c.out)) << c.in;
  }
}

TEST(MarkerClass, FirstMarkerDecides) {
  struct Case {
    const char* text;
    int marker;
  } cases[] = {
      {"chose**", 2}, {"a*b", 1}, {"\x86*", 3}, {"*\x86", 1}, {"chose", 0}, {"", 0}, {"x * y **", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(MarkerClass(T(c.text).c_str()), c.marker) << c.text;
  EXPECT_EQ(MarkerClass(nullptr), 0);
}

TEST(AlignUp4, RoundsUpToMultiplesOfFour) {
  const uint32_t in[] = {0, 1, 2, 3, 4, 5, 8, 499};
  const uint32_t out[] = {0, 4, 4, 4, 4, 8, 8, 500};
  for (size_t i = 0; i < std::size(in); ++i) EXPECT_EQ(AlignUp4(in[i]), out[i]) << in[i];
}
