// Helpers for tests of windows: the messages that input sends, the message
// loop run until it is idle, registry clean-up and scripted system dialogs.
#pragma once
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/user_dialogs.h"

// Runs the application's loop until no message is waiting; a WM_QUIT is taken
// out of the queue and reported.
inline bool PumpPending(Application& app) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    if (msg.message == WM_QUIT) {
      PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
      return true;
    }
    app.PumpMessage();
  }
  return false;
}

enum KeyModifiers { kNoModifier = 0, kCtrl = 1, kShift = 2 };

// A key press on `target` as the keyboard sends it, with Ctrl and Shift held
// as asked, run through the application's loop.
inline void PressKey(Application& app, HWND target, UINT key, int modifiers = kNoModifier) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = (modifiers & kCtrl) ? 0x80 : 0;
  keys[VK_SHIFT] = (modifiers & kShift) ? 0x80 : 0;
  SetKeyboardState(keys);
  UINT scanCode = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
  PostMessageA(target, WM_KEYDOWN, key, 1 | (scanCode << 16));
  PostMessageA(target, WM_KEYUP, key, 1 | (scanCode << 16) | (3u << 30));
  PumpPending(app);
  keys[VK_CONTROL] = 0;
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

// The clipboard's plain text, or a text no test expects when it is busy.
inline std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<clipboard busy>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Puts plain text on the clipboard; an empty text leaves it empty. False
// when the clipboard is busy.
inline bool SetClipboardText(const std::string& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  if (!text.empty()) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
  }
  CloseClipboard();
  return true;
}

inline void DeleteUserKey(const std::string& path) {
  RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

// System dialogs that answer from a script and remember what they were shown.
class ScriptedUserDialogs : public UserDialogs {
 public:
  struct Message {
    std::string m_strText;
    std::string m_strCaption;
    UINT m_nType;
  };

  std::vector<Message> m_messages;
  std::vector<FileDialogRequest> m_fileRequests;
  std::vector<std::string> m_chosenFiles;  // answers in order; empty: cancel

  ScriptedUserDialogs() { SetUserDialogs(this); }
  ~ScriptedUserDialogs() override { SetUserDialogs(nullptr); }

  int ShowMessage(HWND, const std::string& text, const std::string& caption, UINT type) override {
    m_messages.push_back({text, caption, type});
    return IDOK;
  }
  bool ChooseFile(const FileDialogRequest& request, std::string& path) override {
    m_fileRequests.push_back(request);
    if (m_chosenFiles.empty()) return false;
    path = m_chosenFiles.front();
    m_chosenFiles.erase(m_chosenFiles.begin());
    return true;
  }
};
