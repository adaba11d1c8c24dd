#include "app/dico_app.h"

#include <windows.h>

#include "app/dico_doc.h"
#include "app/dico_view.h"
#include "app/main_frame.h"
#include "app/resource.h"
#include "framework/doc_template.h"
#include "framework/framework_ids.h"
#include "framework/strings.h"

CDicoApp& TheDicoApp() { return *static_cast<CDicoApp*>(TheApp()); }

CDicoApp::CDicoApp() = default;

CMainFrame* CDicoApp::GetMainFrame() const { return static_cast<CMainFrame*>(m_pMainWnd); }

bool CDicoApp::InitInstance() {
  if (!InitOle()) return false;
  if (FAILED(CoInitialize(nullptr))) return false;
  // Dialog controls have the three-dimensional look by themselves.
  SetRegistryKey(LoadResourceString(IDS_REGISTRY_KEY));
  m_nInterfaceLanguage = LanguageOfSetting(GetSetting(IDS_INTERFACE_LANGUAGE));

  char programPath[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, programPath, MAX_PATH);
  m_strProgramFolder = ProgramFolderOf(programPath);

  AddDocTemplate(SingleDocTemplate::Make<CDicoDoc, CMainFrame, CDicoView>(IDR_MAINFRAME));
  CommandLineInfo commandLine;
  ParseCommandLine(commandLine);
  // The window stays hidden until its placement is restored.
  m_nCmdShow = SW_HIDE;
  if (!ProcessShellCommand(commandLine)) return false;
  GetMainFrame()->RestorePlacement();

  ShowStatusMessage(IDS_LOOKING_FOR_SPEECH);
  // No speech engine exists yet: m_pSpeech stays null, so the menu bar
  // installed with the frame, without the Speech popup, is the right one.
  ShowStatusMessage(IDS_IDLE_MESSAGE);
  return true;
}

int CDicoApp::ExitInstance() {
  WriteSetting(IDS_INTERFACE_LANGUAGE, SettingOfLanguage(m_nInterfaceLanguage));
  CoUninitialize();
  return Application::ExitInstance();
}

void CDicoApp::ShowStatusMessage(UINT id) {
  if (m_pMainWnd) m_pMainWnd->SendMessage(WM_SETMESSAGESTRING, id);
}
