// The viewer's main window: the lookup view with a menu bar in the interface
// language, a one-pane status bar and the accelerators. It restores its
// placement at start-up, saves it on closing, switches the interface language
// and shows or hides the reverse-translation list.
#pragma once
#include <string>

#include "framework/frame_window.h"
#include "framework/status_bar.h"

class CDicoView;

class CMainFrame : public FrameWindow {
 public:
  StatusBar m_wndStatusBar;
  bool m_bShowReverse = true;

  // Moves and sizes the window as the settings say, or to the default place
  // when they do not describe a window on the screen, and shows it.
  void RestorePlacement();
  // Installs a fresh menu bar of the interface language, without the
  // developer popup, and without the Speech popup when there is no speech.
  void InstallMenu();
  void OnInterfaceLanguage();
  void OnShowReverse();

  // Prompts in the interface language; every voice item shares one prompt.
  void GetMessageString(UINT id, std::string& message) const override;
  bool OnCommand(UINT id, CommandState* state) override;
  bool PreCreateWindow(CREATESTRUCTA& cs) override;
  CDicoView* GetView() const;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SavePlacement();
};
