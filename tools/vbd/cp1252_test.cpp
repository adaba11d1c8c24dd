#include "tools/vbd/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, RoundTripsEveryByteThroughUtf8) {
  Text all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<Byte>(b));
  const std::optional<Text> back = Cp1252FromUtf8(Utf8FromCp1252(all));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, all);
}

TEST(Cp1252, Utf8OfTellingBytes) {
  EXPECT_EQ(Utf8FromCp1252(MakeText("\xE9t\xE9")), "\xC3\xA9t\xC3\xA9");      // été
  EXPECT_EQ(Utf8FromCp1252(MakeText("\x9C")), "\xC5\x93");                    // œ
  EXPECT_EQ(Utf8FromCp1252(MakeText("\x80\x95")), "\xE2\x82\xAC\xE2\x80\xA2");  // € •
  EXPECT_EQ(Utf8FromCp1252(MakeText("\x81\x9D")), "\xC2\x81\xC2\x9D");        // undefined: U+0081, U+009D
}

TEST(Cp1252, RefusesWhatTheCodePageCannotHold) {
  for (const char* utf8 : {"\xE2\x88\x9E",  // ∞
                           "\xC3",          // cut short
                           "\xFF", "\xC2\x85"})  // not UTF-8; U+0085 has no byte
    EXPECT_FALSE(Cp1252FromUtf8(utf8).has_value()) << utf8;
}
