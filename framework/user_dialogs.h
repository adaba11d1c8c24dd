// The system's modal boxes: the message box and the common dialogs. They block
// until the user answers, so the program reaches them through this interface,
// which tests replace.
#pragma once
#include <windows.h>

#include <string>

struct FileDialogRequest {
  HWND m_hOwner = nullptr;
  std::string m_strTitle;
  std::string m_strInitialFolder;  // empty: the system's choice
  bool m_bSave = false;            // a save dialog, which asks before overwriting a file
};

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  virtual int ShowMessage(HWND owner, const std::string& text, const std::string& caption,
                         UINT type);
  // The file-open or file-save dialog, with no filter, no default extension
  // and the read-only box hidden; false when cancelled.
  virtual bool ChooseFile(const FileDialogRequest& request, std::string& path);
  // The font dialog for screen fonts with effects, preset with `font`; on OK
  // `font` holds the choice and `pointSize` its size in tenths of a point.
  virtual bool ChooseFontDialog(HWND owner, LOGFONTA& font, int& pointSize);
  // The shell's folder browser over the whole namespace; false when cancelled
  // or when the chosen folder has no file-system path.
  virtual bool BrowseForFolder(HWND owner, const std::string& title, std::string& folder);
};

// The dialogs in use: the system's unless a test has put others in place.
UserDialogs& TheUserDialogs();
// Puts `dialogs` in place; null puts the system's back.
void SetUserDialogs(UserDialogs* dialogs);

// The standard message box: the text, one OK button, the exclamation icon and
// the application's name as caption.
int AppMessageBox(const std::string& text);
