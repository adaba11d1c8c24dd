// The lookup view under test: the viewer started on the small dictionary
// (maison = house, chat [n.m.] = cat, chien [n.m.] = dog), text typed into
// the search box as the keyboard sends it, and what the view shows read back.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_test_support.h"
#include "app/dico_view.h"
#include "app/resource.h"

class ViewTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    PlaceDictionary(m_strDictionaryBeside);
  }

  CDicoView* View() const { return Frame()->GetView(); }
  HWND SearchBox() const { return View()->GetDlgItem(IDC_SEARCH); }
  HWND Control(int id) const { return View()->GetDlgItem(id); }

  // Characters as the keyboard sends them to the focused edit field; '\b'
  // is Backspace.
  void Type(const std::string& text) {
    for (char c : text) {
      SendMessageA(SearchEdit(), WM_CHAR, static_cast<BYTE>(c), 1);
      PumpPending(m_app);
    }
  }
  void SelectAllSearchText() const { SendMessageA(SearchBox(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1)); }
  std::string SearchText() const {
    char text[256] = "";
    GetWindowTextA(SearchBox(), text, sizeof text);
    return text;
  }
  bool AllSearchTextSelected() const {
    DWORD start = 0, end = 0;
    SendMessageA(SearchBox(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == SearchText().size();
  }

  std::vector<std::string> History() const {
    std::vector<std::string> entries;
    int count = static_cast<int>(SendMessageA(SearchBox(), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char entry[256] = "";
      SendMessageA(SearchBox(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
      entries.push_back(entry);
    }
    return entries;
  }
  // The first entry the drop-down list shows.
  int HistoryTopIndex() const {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(SearchBox(), &info);
    return static_cast<int>(SendMessageA(info.hwndList, LB_GETTOPINDEX, 0, 0));
  }

  // The entry text of the result list's current item.
  std::string CurrentEntry() const {
    CResultListBox& list = *View()->m_pMainList;
    Text text;
    list.GetItemText(list.GetCurSel(), text);
    return std::string(text.begin(), text.end());
  }
  bool Checked(int button) const { return IsDlgButtonChecked(View()->m_hWnd, button) == BST_CHECKED; }
};
