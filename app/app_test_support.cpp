#include "app/app_test_support.h"

#include <windows.h>

#include <cstdio>

#include "app/resource.h"
#include "dictionary/dictionary_builder.h"
#include "framework/form_view.h"

namespace {

const char kSection[] = "Settings";

std::string CompiledTestDictionary() {
  static const std::string path = [] {
    std::string folder = MakeTempFolder("orvanto dictionary");
    std::string source = folder + "\\source.txt";
    std::string compiled = folder + "\\compiled.vbd";
    WriteFile(source, "maison = house\r\nchat [n.m.] = cat\r\nchien [n.m.] = dog\r\n");
    std::FILE* in = std::fopen(source.c_str(), "rb");
    std::FILE* out = std::fopen(compiled.c_str(), "wb");
    DictionaryBuilder().Build(in, out);
    std::fclose(out);
    std::fclose(in);
    return compiled;
  }();
  return path;
}

}  // namespace

std::string TestProgramFolder() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return ProgramFolderOf(path);
}

std::string MakeTempFolder(const std::string& name) {
  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

void PlaceDictionary(const std::string& path) {
  ASSERT_TRUE(CopyFileA(CompiledTestDictionary().c_str(), path.c_str(), FALSE)) << path;
}

void ViewerTest::SetUp() {
  DeleteUserKey("Software\\Orvanto\\Orvanto");
  m_settings.SetRegistryKey("Orvanto", "Orvanto");
  m_strDictionaryBeside = TestProgramFolder() + "\\fr_en.vbd";
  DeleteFileA(m_strDictionaryBeside.c_str());
}

void ViewerTest::TearDown() {
  if (m_app.m_pMainWnd) m_app.m_pMainWnd->DestroyWindow();
  PumpPending(m_app);
  DeleteFileA(m_strDictionaryBeside.c_str());
  DeleteUserKey("Software\\Orvanto\\Orvanto");
}

void ViewerTest::Close() {
  ASSERT_NE(m_app.m_pMainWnd, nullptr);
  m_app.m_pMainWnd->SendMessage(WM_CLOSE);
  EXPECT_TRUE(PumpPending(m_app)) << "closing the main window ends the loop";
  m_app.ExitInstance();
}

HWND ViewerTest::SearchEdit() const {
  return GetWindow(Frame()->m_pView->GetDlgItem(IDC_SEARCH), GW_CHILD);
}

std::vector<std::string> ViewerTest::MenuBarTitles() const {
  std::vector<std::string> titles;
  HMENU menu = GetMenu(Frame()->m_hWnd);
  for (int position = 0; position < GetMenuItemCount(menu); ++position) {
    char title[64] = "";
    GetMenuStringA(menu, static_cast<UINT>(position), title, sizeof title, MF_BYPOSITION);
    titles.push_back(title);
  }
  return titles;
}

std::string ViewerTest::StoredString(const char* name) const {
  return m_settings.GetString(kSection, name, "<missing>");
}

int ViewerTest::StoredInt(const char* name, int missing) const {
  return m_settings.GetInt(kSection, name, missing);
}

void ViewerTest::Store(const char* name, const std::string& value) const {
  m_settings.WriteString(kSection, name, value);
}

void ViewerTest::Store(const char* name, int value) const {
  m_settings.WriteInt(kSection, name, value);
}
