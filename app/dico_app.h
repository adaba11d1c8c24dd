// The viewer's application object: start-up and shutdown, the program folder,
// the search for files that ship with the program, the settings and the
// interface texts in the user's language.
#pragma once
#include <string>

#include "dictionary/text.h"
#include "framework/application.h"

class CMainFrame;
class CSpeechEngine;

class CDicoApp : public Application {
 public:
  CDicoApp();

  Language m_nInterfaceLanguage = kEnglish;
  std::string m_strProgramFolder;  // the executable's folder, no trailing separator
  CSpeechEngine* m_pSpeech = nullptr;  // none until the speech engine exists

  bool InitInstance() override;
  int ExitInstance() override;

  // Finds a file that ships with the program: in the program folder (or its
  // subfolder named by text `folderTextId`, 0 for none), else in the folder
  // the setting `folderSettingId` remembers, else by asking the user, whose
  // folder is then remembered. False when the user cancels.
  bool FindProgramFile(const std::string& fileName, UINT folderTextId, UINT folderSettingId,
                       std::string& path);
  // Shows the status prompt of `id`, in the interface language.
  void ShowStatusMessage(UINT id);
  CMainFrame* GetMainFrame() const;

  // Settings of the viewer's key, named by the string id of the value name.
  std::string GetSetting(UINT nameId) const;
  int GetSettingInt(UINT nameId) const;
  void WriteSetting(UINT nameId, const std::string& value) const;
  void WriteSettingInt(UINT nameId, int value) const;

  // The string id of a text in the interface language.
  UINT GetInterfaceStringId(UINT id) const;
  std::string LoadInterfaceString(UINT id) const;
};

// The viewer's application object.
CDicoApp& TheDicoApp();

// The language a "Language" or "Interface Language" value names: exactly
// "French" is French, anything else English.
Language LanguageOfSetting(const std::string& value);
// The value that names a language: always the English word.
std::string SettingOfLanguage(Language language);

// The folder of a program path: cut at the last backslash, then trailing
// separators and leading white space removed ("C:\orvanto.exe" gives "C:").
std::string ProgramFolderOf(const std::string& programPath);
