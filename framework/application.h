// The application object: one global instance, whose start-up and exit
// routines the framework's WinMain calls around the message loop. It owns the
// document template and the registry profile, routes the commands that no
// window handles, and offers every message to the windows it is meant for,
// from the innermost up to the main window, before dispatching it.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/command_target.h"
#include "framework/profile.h"

class SingleDocTemplate;
class Window;

// The document name given on the command line; empty for none.
struct CommandLineInfo {
  std::string m_strFileName;
};

class Application : public CommandTarget {
 public:
  // Without a name, the application's name is string IDS_APP_TITLE.
  explicit Application(const char* appName = nullptr);
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  std::string m_strAppName;
  Window* m_pMainWnd = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;            // how the main window is first shown
  std::vector<std::string> m_commandArgs;  // the arguments after the program's name
  RegistryProfile m_profile;

  virtual bool InitInstance() { return true; }
  // The framework's exit work; returns the exit code.
  virtual int ExitInstance();
  // The message loop, then ExitInstance.
  int Run();
  // Gets and dispatches one message; false once WM_QUIT arrives.
  bool PumpMessage();
  virtual bool PreTranslateMessage(MSG* msg);
  bool OnCommand(UINT id, CommandState* state) override;

  bool InitOle();
  // Settings go to HKEY_CURRENT_USER\Software\<keyName>\<application name>.
  void SetRegistryKey(const std::string& keyName);

  void AddDocTemplate(std::unique_ptr<SingleDocTemplate> docTemplate);
  SingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
  // The first argument that is not a flag ('/' or '-') names a document.
  void ParseCommandLine(CommandLineInfo& info) const;
  // Opens the named document, or a new one when none is named; false when
  // it cannot be opened.
  bool ProcessShellCommand(const CommandLineInfo& info);

 private:
  std::unique_ptr<SingleDocTemplate> m_pDocTemplate;
  bool m_bOleInitialized = false;
  int m_nExitCode = 0;
};

// The application object of this program, or null when none exists.
Application* TheApp();
