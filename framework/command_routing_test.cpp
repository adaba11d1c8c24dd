// The single-document structure at work: a template opens a document in a
// frame with a form view, commands travel view → document → frame →
// application, menu items and accelerators ask for the commands' states, and
// messages are offered to the windows they are meant for before dispatch.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/form_view.h"
#include "framework/frame_window.h"
#include "framework/framework_test_ids.h"
#include "framework/gui_test_support.h"
#include "framework/status_bar.h"

namespace {

std::vector<std::string> g_log;

void Log(const std::string& line) { g_log.push_back(line); }

// Answers a command as handled; runs it by logging `name`.
bool Handle(CommandState* state, const std::string& name) {
  if (!state) Log(name);
  return true;
}

// A child window of our own inside the form.
class Probe : public Window {
 public:
  bool Create(HWND parent) {
    WNDCLASSA windowClass = {};
    windowClass.lpszClassName = "Orvanto.TestProbe";
    return RegisterWindowClass(windowClass) &&
           CreateEx(0, "Orvanto.TestProbe", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent,
                    reinterpret_cast<HMENU>(300));
  }
  bool PreTranslateMessage(MSG* msg) override {
    if (msg->message != WM_KEYDOWN) return false;
    Log("probe pre-translates");
    return msg->wParam == VK_F3;  // F3 is consumed here
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_INITIALUPDATE) Log("probe update");
    if (message == WM_KEYDOWN) Log("probe key");
    return DefaultProc(message, wParam, lParam);
  }
};

class TestView : public FormView {
 public:
  TestView() : FormView(IDD_TEST_FORM) {}
  ~TestView() override { Log("view deleted"); }
  Probe m_probe;

  bool OnCommand(UINT id, CommandState* state) override {
    if (id != ID_TEST_VIEW_COMMAND) return false;
    if (state) state->SetCheck(true);
    return Handle(state, "view runs");
  }
  void OnInitialUpdate() override {
    Log("view update");
    m_probe.Create(m_hWnd);
  }
  bool PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN) Log("view pre-translates");
    return FormView::PreTranslateMessage(msg);
  }
};

class TestDocument : public Document {
 public:
  static inline bool s_bAccept = true;
  ~TestDocument() override { Log("document deleted"); }
  bool OnNewDocument() override { return s_bAccept; }
  bool OnOpenDocument(const char* path) override {
    Log(std::string("open ") + path);
    return false;
  }
  bool OnCommand(UINT id, CommandState* state) override {
    if (id == ID_TEST_DOCUMENT_COMMAND) return Handle(state, "document runs");
    if (id == ID_TEST_VIEW_COMMAND) return Handle(state, "document runs the view's");
    return false;
  }
};

class TestFrame : public FrameWindow {
 public:
  static inline bool s_bKeepTitle = false;
  StatusBar m_wndStatusBar;
  ~TestFrame() override { Log("frame deleted"); }

  bool PreCreateWindow(CREATESTRUCTA& cs) override {
    if (s_bKeepTitle) cs.style &= ~FWS_ADDTOTITLE;
    return true;
  }
  bool OnCommand(UINT id, CommandState* state) override {
    switch (id) {
      case ID_TEST_FRAME_COMMAND:
        return Handle(state, "frame runs");
      case ID_TEST_DOCUMENT_COMMAND:
        return Handle(state, "frame runs the document's");
      case ID_TEST_DISABLED:
      case ID_TEST_NOT_IN_MENU:
        if (state) state->Enable(false);
        return Handle(state, "a disabled command runs");
    }
    return false;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CREATE) {
      if (FrameWindow::WindowProc(message, wParam, lParam) == -1) return -1;
      return m_wndStatusBar.Create(m_hWnd, ID_STATUS_BAR) ? 0 : -1;
    }
    return FrameWindow::WindowProc(message, wParam, lParam);
  }
};

class TestApp : public Application {
 public:
  bool OnCommand(UINT id, CommandState* state) override {
    if (id == ID_TEST_APP_COMMAND) return Handle(state, "application runs");
    if (id == ID_TEST_FRAME_COMMAND) return Handle(state, "application runs the frame's");
    return Application::OnCommand(id, state);
  }
};

class DocumentStructureTest : public testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    TestDocument::s_bAccept = true;
    TestFrame::s_bKeepTitle = false;
    m_app.m_nCmdShow = SW_SHOWNORMAL;
    m_app.AddDocTemplate(
        SingleDocTemplate::Make<TestDocument, TestFrame, TestView>(IDR_TEST_FRAME));
  }
  void TearDown() override {
    if (m_app.m_pMainWnd) m_app.m_pMainWnd->DestroyWindow();
    PumpPending(m_app);
  }

  TestFrame* Open() {
    auto* frame = static_cast<TestFrame*>(m_app.GetDocTemplate()->OpenDocumentFile(nullptr));
    g_log.clear();
    return frame;
  }
  static HMENU TestPopup(TestFrame* frame) { return GetSubMenu(GetMenu(frame->m_hWnd), 0); }
  static std::string StatusText(TestFrame* frame) { return frame->m_wndStatusBar.GetText(); }
  TestView* View(TestFrame* frame) { return static_cast<TestView*>(frame->m_pView.get()); }

  TestApp m_app;
};

TEST_F(DocumentStructureTest, ACommandGoesToTheFirstOfViewDocumentFrameApplicationThatHandlesIt) {
  TestFrame* frame = Open();
  ASSERT_NE(frame, nullptr);
  struct Case {
    UINT id;
    const char* runner;
  } cases[] = {
      {ID_TEST_VIEW_COMMAND, "view runs"},
      {ID_TEST_DOCUMENT_COMMAND, "document runs"},
      {ID_TEST_FRAME_COMMAND, "frame runs"},
      {ID_TEST_APP_COMMAND, "application runs"},
  };
  for (const Case& c : cases) {
    g_log.clear();
    frame->SendMessage(WM_COMMAND, c.id, 0);
    EXPECT_EQ(g_log, std::vector<std::string>{c.runner}) << c.id;
  }
}

TEST_F(DocumentStructureTest, OpeningAPopupAsksEveryItemItsState) {
  TestFrame* frame = Open();
  HMENU popup = TestPopup(frame);
  CheckMenuItem(popup, ID_TEST_DOCUMENT_COMMAND, MF_BYCOMMAND | MF_CHECKED);
  frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
  auto state = [popup](UINT id) { return GetMenuState(popup, id, MF_BYCOMMAND); };
  EXPECT_EQ(state(ID_TEST_VIEW_COMMAND), static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(state(ID_TEST_DOCUMENT_COMMAND), static_cast<UINT>(MF_CHECKED))
      << "a handler that says nothing of the check mark leaves it";
  EXPECT_EQ(state(ID_TEST_APP_COMMAND), 0u);
  EXPECT_TRUE(state(ID_TEST_UNHANDLED) & MF_GRAYED) << "nobody handles it";
  EXPECT_TRUE(state(ID_TEST_DISABLED) & MF_GRAYED);
  EXPECT_EQ(state(ID_APP_EXIT), 0u);
  EXPECT_TRUE(g_log.empty()) << "asking runs nothing";
}

TEST_F(DocumentStructureTest, AcceleratorsRunOnlyEnabledCommands) {
  TestFrame* frame = Open();
  HWND edit = View(frame)->GetDlgItem(IDC_TEST_EDIT);
  PressKey(m_app, edit, 'E', kCtrl);
  PressKey(m_app, edit, 'D', kCtrl);  // in the menu, disabled
  PressKey(m_app, edit, VK_F6);       // in no menu, disabled
  EXPECT_EQ(std::count(g_log.begin(), g_log.end(), "view runs"), 1);
  EXPECT_EQ(std::count(g_log.begin(), g_log.end(), "a disabled command runs"), 0);
}

TEST_F(DocumentStructureTest, TheInitialUpdateReachesTheViewThenEachDescendantOnce) {
  m_app.GetDocTemplate()->OpenDocumentFile(nullptr);
  EXPECT_EQ(g_log, (std::vector<std::string>{"view update", "probe update"}));
}

TEST_F(DocumentStructureTest, MessagesAreOfferedFromTheirWindowUpToTheMainWindow) {
  TestFrame* frame = Open();
  HWND probe = View(frame)->m_probe.m_hWnd;
  PressKey(m_app, probe, VK_F3);
  EXPECT_EQ(g_log, std::vector<std::string>{"probe pre-translates"}) << "consumed by the probe";
  g_log.clear();
  PressKey(m_app, probe, VK_F2);
  EXPECT_EQ(g_log, (std::vector<std::string>{"probe pre-translates", "view pre-translates",
                                             "probe key"}));
}

TEST_F(DocumentStructureTest, ARefusedNewDocumentDestroysItsFrame) {
  TestDocument::s_bAccept = false;
  EXPECT_EQ(m_app.GetDocTemplate()->OpenDocumentFile(nullptr), nullptr);
  EXPECT_EQ(g_log, (std::vector<std::string>{"view deleted", "frame deleted", "document deleted"}));
  EXPECT_EQ(m_app.m_pMainWnd, nullptr);
  EXPECT_EQ(m_app.GetDocTemplate()->GetDocument(), nullptr);
  EXPECT_FALSE(PumpPending(m_app)) << "the program is not told to end";
}

TEST_F(DocumentStructureTest, ADocumentNamedOnTheCommandLineIsOfferedToTheDocument) {
  m_app.m_commandArgs = {"/flag", "book.tst", "other.tst"};
  CommandLineInfo info;
  m_app.ParseCommandLine(info);
  EXPECT_EQ(info.m_strFileName, "book.tst");
  EXPECT_FALSE(m_app.ProcessShellCommand(info));
  EXPECT_EQ(g_log, (std::vector<std::string>{"open book.tst", "view deleted", "frame deleted",
                                             "document deleted"}));
  EXPECT_EQ(m_app.m_pMainWnd, nullptr);
}

TEST_F(DocumentStructureTest, ExitClosesTheMainWindowThenTheDocumentAndEndsTheLoop) {
  TestFrame* frame = Open();
  EXPECT_EQ(m_app.m_pMainWnd, frame);
  frame->SendMessage(WM_COMMAND, ID_APP_EXIT, 0);
  EXPECT_EQ(g_log, (std::vector<std::string>{"view deleted", "frame deleted", "document deleted"}));
  EXPECT_EQ(m_app.m_pMainWnd, nullptr);
  EXPECT_TRUE(PumpPending(m_app)) << "WM_QUIT was posted";
}

TEST_F(DocumentStructureTest, TheTitleIsTheTemplatesFirstFieldAfterTheDocumentsUnlessTurnedOff) {
  char title[64];
  GetWindowTextA(Open()->m_hWnd, title, sizeof title);
  EXPECT_STREQ(title, "Untitled - Test Frame");
  m_app.m_pMainWnd->DestroyWindow();
  PumpPending(m_app);
  TestFrame::s_bKeepTitle = true;
  GetWindowTextA(Open()->m_hWnd, title, sizeof title);
  EXPECT_STREQ(title, "Test Frame");
}

TEST_F(DocumentStructureTest, TheStatusBarShowsThePromptOfTheHighlightedItem) {
  TestFrame* frame = Open();
  HMENU popup = TestPopup(frame);
  auto select = [frame](UINT item, UINT flags, HMENU menu) {
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(menu));
    return StatusText(frame);
  };
  EXPECT_EQ(select(ID_TEST_VIEW_COMMAND, MF_HILITE, popup), "View prompt") << "cut at the line feed";
  EXPECT_EQ(select(ID_TEST_FRAME_COMMAND, MF_HILITE, popup), "Frame prompt");
  EXPECT_EQ(select(0, MF_POPUP | MF_HILITE, GetMenu(frame->m_hWnd)), "");
  EXPECT_EQ(select(SC_CLOSE, MF_SYSMENU | MF_HILITE, GetSystemMenu(frame->m_hWnd, FALSE)),
            "Close prompt");
  EXPECT_EQ(select(0, 0xFFFF, nullptr), "Ready") << "the menu closed";
  std::string direct = "Shown whole\nnot cut";
  frame->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(direct.c_str()));
  // The status bar shows the line feed as a blank.
  EXPECT_EQ(StatusText(frame), "Shown whole not cut");
}

}  // namespace
