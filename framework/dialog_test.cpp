#include "framework/dialog.h"

#include <gtest/gtest.h>

#include "framework/framework_test_ids.h"

namespace {

// A dialog whose edit field exchanges m_strText; once open it "types"
// m_strTyped and presses the button m_nPress, as a user would.
class EditDialog : public Dialog {
 public:
  EditDialog() : Dialog(IDD_TEST_DIALOG, nullptr) {}

  std::string m_strText = "before";
  std::string m_strShownAtOpening;
  std::string m_strTyped = "typed";
  int m_nPress = 0;  // 0: nothing

 protected:
  bool OnInitDialog() override {
    bool result = Dialog::OnInitDialog();
    char shown[64];
    GetDlgItemTextA(m_hWnd, IDC_TEST_EDIT, shown, sizeof shown);
    m_strShownAtOpening = shown;
    SetDlgItemTextA(m_hWnd, IDC_TEST_EDIT, m_strTyped.c_str());
    if (m_nPress) PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(m_nPress, BN_CLICKED), 0);
    return result;
  }
  void DoDataExchange(DataExchange& exchange) override {
    exchange.Text(IDC_TEST_EDIT, m_strText);
  }
};

TEST(Dialog, ModalOkTakesTheControlsBackIntoTheMembers) {
  EditDialog dialog;
  dialog.m_nPress = IDOK;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_strShownAtOpening, "before");
  EXPECT_EQ(dialog.m_strText, "typed");
}

TEST(Dialog, ModalCancelLeavesTheMembers) {
  EditDialog dialog;
  dialog.m_nPress = IDCANCEL;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.m_strText, "before");
}

TEST(Dialog, ModelessDialogLivesUntilItEnds) {
  EditDialog dialog;
  dialog.m_strTyped = "modeless";
  ASSERT_TRUE(dialog.Create());
  HWND window = dialog.m_hWnd;
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(dialog.m_strShownAtOpening, "before");
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.m_strText, "modeless");
}

}  // namespace
