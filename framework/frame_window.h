// A frame window: the main window around one view, with a menu bar, a status
// bar, an accelerator table and the status-bar prompts of menu items. It routes
// commands from its menu and accelerators to the view, the document, itself and
// the application, and asks them for the state of menu items.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "framework/framework_ids.h"
#include "framework/window.h"

class Document;
class FormView;
class SingleDocTemplate;

// Frame style bit: the title shows the document's title before the
// application's name.
#define FWS_ADDTOTITLE 0x00008000L

class FrameWindow : public Window {
 public:
  Document* m_pDocument = nullptr;
  std::unique_ptr<FormView> m_pView;  // created inside the frame with it
  SingleDocTemplate* m_pTemplate = nullptr;
  HACCEL m_hAccelTable = nullptr;

  // Creates the frame with the menu, accelerators, icon and title of resource
  // `resourceId`. The frame owns itself: it is deleted when its window is
  // destroyed, also when the creation fails.
  bool LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE);
  // Sends the initial update to the view, then to every descendant of the
  // frame, and shows the frame.
  void InitialUpdateFrame(int cmdShow);

  // Offers a command to the view, the document, the frame and the application,
  // in this order; false when none handles it.
  bool RouteCommand(UINT id, CommandState* state);

  // The status-bar prompt of a command or string id: its text up to the first
  // line feed, at most 255 characters. Frames override it to choose texts.
  virtual void GetMessageString(UINT id, std::string& message) const;
  // Shows a text in the status bar as it is.
  void SetMessageText(const std::string& text);
  HWND GetMessageBar() const { return GetDlgItem(ID_STATUS_BAR); }

  // Translates the accelerators of the frame.
  bool PreTranslateMessage(MSG* msg) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;
  virtual void OnClose();
  void RecalcLayout();

 private:
  void OnMenuSelect(UINT itemId, UINT flags, HMENU menu);
  void OnInitMenuPopup(HMENU popup);
  void ExecuteCommand(UINT id, bool fromAccelerator);
  void ShowPrompt(UINT id);
  void UpdateFrameTitle();

  std::string m_strTitle;
  UINT m_nIDTracking = 0;     // the prompt of the highlighted menu item
  UINT m_nIDLastMessage = 0;  // the prompt shown now; 0 after a text set directly
};
