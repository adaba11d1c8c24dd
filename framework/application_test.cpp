#include "framework/application.h"

#include <gtest/gtest.h>

TEST(Application, TakesItsNameFromTheTitleString) {
  Application app;
  EXPECT_EQ(app.m_strAppName, "Framework Test");
  EXPECT_EQ(TheApp(), &app);
}

TEST(Application, TheFirstArgumentThatIsNotAFlagNamesTheDocument) {
  struct Case {
    std::vector<std::string> args;
    const char* document;
  } cases[] = {
      {{}, ""},
      {{"/p", "-x"}, ""},
      {{"a.vbd"}, "a.vbd"},
      {{"-flag", "b.vbd", "c.vbd"}, "b.vbd"},
  };
  Application app;
  for (const Case& c : cases) {
    app.m_commandArgs = c.args;
    CommandLineInfo info;
    app.ParseCommandLine(info);
    EXPECT_EQ(info.m_strFileName, c.document);
  }
}

TEST(Application, RunEndsWithTheExitCodeOfTheQuitMessage) {
  Application app;
  PostQuitMessage(7);
  EXPECT_EQ(app.Run(), 7);
}
