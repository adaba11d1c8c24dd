// The settings of the viewer, under
// HKEY_CURRENT_USER\Software\Orvanto\Orvanto\Settings. Names come from the
// string table and are never translated; nothing is cached.
#include "app/resource.h"
#include "app/dico_app.h"
#include "framework/strings.h"

namespace {
std::string SectionName() { return LoadResourceString(IDS_SETTINGS_SECTION); }
}  // namespace

std::string CDicoApp::GetSetting(UINT nameId) const {
  return m_profile.GetString(SectionName(), LoadResourceString(nameId));
}

int CDicoApp::GetSettingInt(UINT nameId) const {
  return m_profile.GetInt(SectionName(), LoadResourceString(nameId));
}

void CDicoApp::WriteSetting(UINT nameId, const std::string& value) const {
  m_profile.WriteString(SectionName(), LoadResourceString(nameId), value);
}

void CDicoApp::WriteSettingInt(UINT nameId, int value) const {
  m_profile.WriteInt(SectionName(), LoadResourceString(nameId), value);
}

Language LanguageOfSetting(const std::string& value) {
  return value == LoadResourceString(IDS_FRENCH_SETTING_VALUE) ? kFrench : kEnglish;
}

std::string SettingOfLanguage(Language language) {
  return LoadResourceString(language == kEnglish ? IDS_ENGLISH : IDS_FRENCH);
}
