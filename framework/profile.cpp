#include "framework/profile.h"

#include <windows.h>

#include <vector>

namespace {

// An open section key, closed when it goes out of scope.
class SectionKey {
 public:
  explicit SectionKey(const std::string& path) {
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &m_hKey, nullptr) != ERROR_SUCCESS) {
      m_hKey = nullptr;
    }
  }
  ~SectionKey() {
    if (m_hKey) RegCloseKey(m_hKey);
  }
  SectionKey(const SectionKey&) = delete;
  SectionKey& operator=(const SectionKey&) = delete;
  HKEY Get() const { return m_hKey; }

 private:
  HKEY m_hKey = nullptr;
};

}  // namespace

void RegistryProfile::SetRegistryKey(const std::string& keyName, const std::string& appName) {
  m_strKeyName = keyName;
  m_strAppName = appName;
}

std::string RegistryProfile::ApplicationKeyPath() const {
  return "Software\\" + m_strKeyName + "\\" + m_strAppName;
}

std::string RegistryProfile::GetString(const std::string& section, const std::string& entry,
                                       const std::string& defaultValue) const {
  SectionKey key(ApplicationKeyPath() + "\\" + section);
  DWORD type = 0;
  DWORD size = 0;
  if (!key.Get() ||
      RegQueryValueExA(key.Get(), entry.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return defaultValue;
  }
  std::vector<char> buffer(size + 1, '\0');
  if (RegQueryValueExA(key.Get(), entry.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
    return defaultValue;
  }
  return std::string(buffer.data());
}

int RegistryProfile::GetInt(const std::string& section, const std::string& entry,
                            int defaultValue) const {
  SectionKey key(ApplicationKeyPath() + "\\" + section);
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (!key.Get() ||
      RegQueryValueExA(key.Get(), entry.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                       &size) != ERROR_SUCCESS ||
      type != REG_DWORD) {
    return defaultValue;
  }
  return static_cast<int>(value);
}

bool RegistryProfile::WriteString(const std::string& section, const std::string& entry,
                                  const std::string& value) const {
  SectionKey key(ApplicationKeyPath() + "\\" + section);
  return key.Get() &&
         RegSetValueExA(key.Get(), entry.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryProfile::WriteInt(const std::string& section, const std::string& entry,
                               int value) const {
  SectionKey key(ApplicationKeyPath() + "\\" + section);
  DWORD data = static_cast<DWORD>(value);
  return key.Get() && RegSetValueExA(key.Get(), entry.c_str(), 0, REG_DWORD,
                                     reinterpret_cast<const BYTE*>(&data),
                                     sizeof data) == ERROR_SUCCESS;
}
