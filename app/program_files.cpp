// Files that ship with the program: the dictionary and the help files.
#include <windows.h>

#include "app/dico_app.h"
#include "app/resource.h"
#include "framework/strings.h"
#include "framework/user_dialogs.h"
#include "framework/window.h"

namespace {

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FolderOf(const std::string& path) {
  size_t backslash = path.rfind('\\');
  return backslash == std::string::npos ? std::string() : path.substr(0, backslash);
}

}  // namespace

std::string ProgramFolderOf(const std::string& programPath) {
  std::string folder = FolderOf(programPath);
  size_t end = folder.find_last_not_of("/\\");
  folder.erase(end == std::string::npos ? 0 : end + 1);
  size_t start = folder.find_first_not_of(" \t\r\n\v\f");
  return start == std::string::npos ? std::string() : folder.substr(start);
}

bool CDicoApp::FindProgramFile(const std::string& fileName, UINT folderTextId,
                               UINT folderSettingId, std::string& path) {
  std::string folderText = folderTextId ? LoadResourceString(folderTextId) : std::string();
  std::string shippedFolder = m_strProgramFolder + "\\" + folderText;
  std::string shipped =
      m_strProgramFolder + "\\" + (folderTextId ? folderText + "\\" : std::string()) + fileName;
  if (FileExists(shipped)) {
    path = shipped;
    return true;
  }
  // An empty setting names the root of the current drive.
  std::string remembered = GetSetting(folderSettingId) + "\\" + fileName;
  if (FileExists(remembered)) {
    path = remembered;
    return true;
  }
  std::string message = LoadInterfaceString(IDS_FILE_MISSING);
  message = ReplaceAll(message, "<FOLDER>", shippedFolder);
  AppMessageBox(ReplaceAll(message, "<FILE>", fileName));

  FileDialogRequest request;
  request.m_hOwner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
  request.m_strTitle = ReplaceAll(LoadInterfaceString(IDS_FIND_FILE_TITLE), "<FILE>", fileName);
  request.m_strInitialFolder = m_strProgramFolder;
  std::string chosen;
  if (!TheUserDialogs().ChooseFile(request, chosen)) return false;
  WriteSetting(folderSettingId, FolderOf(chosen));
  path = chosen;
  return true;
}
