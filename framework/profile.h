// The application's settings in the registry, under
// HKEY_CURRENT_USER\Software\<key name>\<application name>\<section>. Opening
// a section for reading or writing creates any missing part of the path. A
// missing value reads as the default; failed writes are not reported.
#pragma once
#include <string>

class RegistryProfile {
 public:
  void SetRegistryKey(const std::string& keyName, const std::string& appName);
  bool IsSet() const { return !m_strKeyName.empty(); }
  // Software\<key name>\<application name>
  std::string ApplicationKeyPath() const;

  std::string GetString(const std::string& section, const std::string& entry,
                        const std::string& defaultValue = "") const;
  int GetInt(const std::string& section, const std::string& entry, int defaultValue = 0) const;
  bool WriteString(const std::string& section, const std::string& entry,
                   const std::string& value) const;
  bool WriteInt(const std::string& section, const std::string& entry, int value) const;

 private:
  std::string m_strKeyName;
  std::string m_strAppName;
};
