// The status bar of a frame: one pane, the message pane.
#pragma once
#include <windows.h>

#include <string>

class StatusBar {
 public:
  HWND m_hWnd = nullptr;

  // A visible child at the bottom of `parent`.
  bool Create(HWND parent, UINT id);
  void SetText(const std::string& text) const;
  std::string GetText() const;
};
