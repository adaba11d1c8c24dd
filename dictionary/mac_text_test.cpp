#include "dictionary/mac_text.h"

#include <gtest/gtest.h>

#include "dictionary/build_fixture.h"

TEST(ConvertMacText, ConvertsCharactersAndLineEnds) {
  struct Case {
    std::string mac;
    Bytes windows;
  } cases[] = {
      {"\x63\x61\x66\x8E\x0D", {0x63, 0x61, 0x66, 0xE9, 0x0D, 0x0A}},
      {"\x61\x0D\x0A\x62", {0x61, 0x0A, 0x62}},  // a Windows line end arrives as one LF
      {"\x61\x0A", {0x61, 0x0A}},
      {"abc", {0x61, 0x62, 0x63}},
      {"", {}},
      {"\xA5\x0D", {0x95, 0x0D, 0x0A}},
      {"\x61\x1A\x62", {0x61}},
      {"\x0D\x0D", {0x0D, 0x0A, 0x0D, 0x0A}},
  };
  const std::string source = TempPath("mac.txt"), destination = TempPath("win.txt");
  for (const Case& c : cases) {
    WriteFileBytes(source, c.mac);
    std::FILE* in = std::fopen(source.c_str(), "rb");
    std::FILE* out = std::fopen(destination.c_str(), "wb");
    ConvertMacText(in, out);
    std::fclose(in);
    std::fclose(out);
    EXPECT_EQ(ReadFileBytes(destination), c.windows) << c.mac;
  }
}

TEST(ConvertMacText, NothingHappensWithoutBothFiles) {
  const std::string destination = TempPath("win_empty.txt");
  std::FILE* out = std::fopen(destination.c_str(), "wb");
  ConvertMacText(nullptr, out);
  std::fclose(out);
  EXPECT_TRUE(ReadFileBytes(destination).empty());
  std::FILE* source = OpenScratchFile("mac_only_source.txt");
  ConvertMacText(source, nullptr);  // must not crash
  std::fclose(source);
}
