// The program's entry: the global application object starts up, runs its
// message loop and exits. A start-up that fails ends the program at once.
#include <windows.h>

#include <cstdlib>

#include "framework/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int cmdShow) {
  Application* app = TheApp();
  if (!app) return 1;
  app->m_nCmdShow = cmdShow;
  for (int i = 1; i < __argc; ++i) app->m_commandArgs.emplace_back(__argv[i]);
  if (!app->InitInstance()) return 1;
  return app->Run();
}
