#include "framework/application.h"

#include <ole2.h>

#include "framework/doc_template.h"
#include "framework/framework_ids.h"
#include "framework/strings.h"
#include "framework/window.h"

namespace {
Application* g_pApp = nullptr;
}

Application* TheApp() { return g_pApp; }

Application::Application(const char* appName)
    : m_strAppName(appName ? appName : LoadResourceString(IDS_APP_TITLE)) {
  g_pApp = this;
}

Application::~Application() {
  if (g_pApp == this) g_pApp = nullptr;
}

int Application::ExitInstance() {
  if (m_bOleInitialized) OleUninitialize();
  m_bOleInitialized = false;
  return m_nExitCode;
}

int Application::Run() {
  while (PumpMessage()) {
  }
  return ExitInstance();
}

bool Application::PumpMessage() {
  MSG msg;
  if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
    m_nExitCode = static_cast<int>(msg.wParam);
    return false;
  }
  if (!PreTranslateMessage(&msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

bool Application::PreTranslateMessage(MSG* msg) {
  HWND stop = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
  for (HWND hwnd = msg->hwnd; hwnd; hwnd = GetParent(hwnd)) {
    Window* window = Window::FromHandle(hwnd);
    if (window && window->PreTranslateMessage(msg)) return true;
    if (hwnd == stop) break;
  }
  return false;
}

bool Application::OnCommand(UINT id, CommandState* state) {
  if (id != ID_APP_EXIT) return false;
  if (!state && m_pMainWnd) m_pMainWnd->SendMessage(WM_CLOSE);
  return true;
}

bool Application::InitOle() {
  m_bOleInitialized = SUCCEEDED(OleInitialize(nullptr));
  return m_bOleInitialized;
}

void Application::SetRegistryKey(const std::string& keyName) {
  m_profile.SetRegistryKey(keyName, m_strAppName);
}

void Application::AddDocTemplate(std::unique_ptr<SingleDocTemplate> docTemplate) {
  m_pDocTemplate = std::move(docTemplate);
}

void Application::ParseCommandLine(CommandLineInfo& info) const {
  for (const std::string& arg : m_commandArgs) {
    bool flag = !arg.empty() && (arg[0] == '/' || arg[0] == '-');
    if (!flag && info.m_strFileName.empty()) info.m_strFileName = arg;
  }
}

bool Application::ProcessShellCommand(const CommandLineInfo& info) {
  if (!m_pDocTemplate) return false;
  const char* path = info.m_strFileName.empty() ? nullptr : info.m_strFileName.c_str();
  return m_pDocTemplate->OpenDocumentFile(path) != nullptr;
}
