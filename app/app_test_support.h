// The viewer under test: a fresh user's settings, a small compiled dictionary
// placed where a test wants it, start-up and shutdown as the program runs
// them, and the settings read back straight from the registry.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "app/dico_app.h"
#include "app/main_frame.h"
#include "framework/gui_test_support.h"
#include "framework/profile.h"

// The folder of the running test program: the viewer's program folder.
std::string TestProgramFolder();
// A fresh folder under the test's temporary folder, without a trailing backslash.
std::string MakeTempFolder(const std::string& name);
// Copies a small valid dictionary to `path`.
void PlaceDictionary(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

class ViewerTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Start-up as the program runs it; false when it ends the program.
  bool Start() { return m_app.InitInstance(); }
  // Closes the main window, lets the loop end and runs the shutdown.
  void Close();
  CMainFrame* Frame() const { return m_app.GetMainFrame(); }
  HWND SearchEdit() const;
  std::string StatusText() const { return Frame()->m_wndStatusBar.GetText(); }
  // The texts of the menu bar's popups, in order.
  std::vector<std::string> MenuBarTitles() const;

  // The viewer's settings, read and written without the viewer's code.
  std::string StoredString(const char* name) const;
  int StoredInt(const char* name, int missing = -1) const;
  void Store(const char* name, const std::string& value) const;
  void Store(const char* name, int value) const;

  std::string m_strDictionaryBeside;  // fr_en.vbd in the program folder
  ScriptedUserDialogs m_dialogs;
  CDicoApp m_app;
  RegistryProfile m_settings;
};
