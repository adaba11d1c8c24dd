#include "tools/vbd/vbd_command.h"

#include <gtest/gtest.h>

#include "dictionary/build_fixture.h"

namespace {

struct VbdRun {
  int exitCode;
  std::string out, err;
};

std::string Contents(std::FILE* f) {
  std::string s;
  std::rewind(f);
  for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f)) s.push_back(static_cast<char>(c));
  std::fclose(f);
  return s;
}

VbdRun Vbd(const std::vector<std::string>& args, const std::string& input = "") {
  std::FILE* in = OpenScratchFile("vbd_stdin.txt");
  std::fwrite(input.data(), 1, input.size(), in);
  std::rewind(in);
  std::FILE* out = OpenScratchFile("vbd_stdout.txt");
  std::FILE* err = OpenScratchFile("vbd_stderr.txt");
  VbdRun run{RunVbd(args, in, out, err), "", ""};
  std::fclose(in);
  run.out = Contents(out);
  run.err = Contents(err);
  return run;
}

class VbdTool : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(source, "maison = house\nmaison = home\n\xE9t\xE9 = summer\nchien\tfid\xE8le = faithful dog\n");
    ASSERT_EQ(Vbd({"build", source, dictionary}).exitCode, 0);
  }
  std::string source = TempPath("vbd_source.txt");
  std::string dictionary = TempPath("vbd_test.vbd");
};

}  // namespace

TEST_F(VbdTool, LookupPrintsTheGroupInUtf8) {
  EXPECT_EQ(Vbd({"lookup", dictionary, "fr", "maison"}).out,
            "found=1 first=6 last=8\n6\tmain\tmaison\n7\ttrans\thome\n8\ttrans\thouse\n");
  EXPECT_EQ(Vbd({"lookup", dictionary, "fr", "\xC3\x89T\xC3\x89"}).out,
            "found=1 first=2 last=3\n2\tmain\t\xC3\xA9t\xC3\xA9\n3\ttrans\tsummer\n");
  EXPECT_EQ(Vbd({"lookup", dictionary, "en", "123"}).out, "found=0 first=-1 last=-1\n");
}

TEST_F(VbdTool, DumpShowsSpansAndEscapesTabs) {
  const VbdRun run = Vbd({"dump", dictionary, "fr"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n', run.out.find('\n') + 1) + 1),
            "0\tmain\t0\t5\tchien\\tfid\xC3\xA8le\n1\ttrans\t0\t0\tfaithful dog\n");
}

TEST_F(VbdTool, LookupReadsQueriesFromStandardInput) {
  const VbdRun run = Vbd({"lookup", dictionary, "en", "-"}, "home\r\n\nxyz\xE2\x88\x9E\nsummer");
  EXPECT_EQ(run.out,
            "query=home\nfound=1 first=4 last=5\n4\tmain\thome\n5\ttrans\tmaison\n"
            "query=summer\nfound=1 first=8 last=9\n8\tmain\tsummer\n9\ttrans\t\xC3\xA9t\xC3\xA9\n");
}

TEST_F(VbdTool, BuildReportsWhereReadingStopped) {
  WriteFileBytes(source, "chat = cat\nchien =");
  const VbdRun run = Vbd({"build", source, dictionary});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.err.find("line 2"), std::string::npos) << run.err;
}

TEST_F(VbdTool, MacToWinConverts) {
  const std::string mac = TempPath("vbd_mac.txt"), win = TempPath("vbd_win.txt");
  WriteFileBytes(mac, "caf\x8E\r");
  EXPECT_EQ(Vbd({"mac2win", mac, win}).exitCode, 0);
  EXPECT_EQ(ReadFileBytes(win), (Bytes{'c', 'a', 'f', 0xE9, '\r', '\n'}));
}

TEST_F(VbdTool, RefusesBadArgumentsAndFiles) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"frobnicate"},
      {"lookup", dictionary, "de", "haus"},
      {"lookup", dictionary, "en"},
      {"lookup", TempPath("missing.vbd"), "en", "house"},
      {"lookup", source, "en", "house"},  // not a dictionary
      {"lookup", dictionary, "en", "\xE2\x88\x9E"},
      {"dump", TempPath("missing.vbd"), "en"},
      {"build", TempPath("missing.txt"), dictionary},
      {"mac2win", TempPath("missing.txt"), TempPath("out.txt")},
  };
  for (const auto& args : bad) {
    const VbdRun run = Vbd(args);
    EXPECT_EQ(run.exitCode, 2) << (args.empty() ? "" : args[0]);
    EXPECT_FALSE(run.err.empty());
    EXPECT_TRUE(run.out.empty());
  }
}
