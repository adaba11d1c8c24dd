#include "framework/user_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include "framework/application.h"

namespace {

UserDialogs g_systemDialogs;
UserDialogs* g_pDialogs = &g_systemDialogs;

}  // namespace

UserDialogs& TheUserDialogs() { return *g_pDialogs; }

void SetUserDialogs(UserDialogs* dialogs) { g_pDialogs = dialogs ? dialogs : &g_systemDialogs; }

int UserDialogs::ShowMessage(HWND owner, const std::string& text, const std::string& caption,
                            UINT type) {
  return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

bool UserDialogs::ChooseFile(const FileDialogRequest& request, std::string& path) {
  char file[MAX_PATH] = "";
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = request.m_hOwner;
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.lpstrTitle = request.m_strTitle.c_str();
  ofn.lpstrInitialDir = request.m_strInitialFolder.empty() ? nullptr
                                                           : request.m_strInitialFolder.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
  if (request.m_bSave) ofn.Flags |= OFN_OVERWRITEPROMPT;
  BOOL chosen = request.m_bSave ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!chosen) return false;
  path = file;
  return true;
}

bool UserDialogs::ChooseFontDialog(HWND owner, LOGFONTA& font, int& pointSize) {
  CHOOSEFONTA cf = {};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = owner;
  cf.lpLogFont = &font;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontA(&cf)) return false;
  pointSize = cf.iPointSize;
  return true;
}

bool UserDialogs::BrowseForFolder(HWND owner, const std::string& title, std::string& folder) {
  BROWSEINFOA bi = {};
  bi.hwndOwner = owner;
  bi.lpszTitle = title.c_str();
  PIDLIST_ABSOLUTE pidl = SHBrowseForFolderA(&bi);
  if (!pidl) return false;
  char path[MAX_PATH] = "";
  bool found = SHGetPathFromIDListA(pidl, path);
  CoTaskMemFree(pidl);
  if (found) folder = path;
  return found;
}

int AppMessageBox(const std::string& text) {
  Application* app = TheApp();
  std::string caption = app ? app->m_strAppName : std::string();
  return TheUserDialogs().ShowMessage(GetActiveWindow(), text, caption, MB_OK | MB_ICONEXCLAMATION);
}
