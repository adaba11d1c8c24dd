// Identifiers the framework itself gives meaning to. Plain macros: the resource
// scripts include this file too.
#pragma once

// Strings
#define IDS_APP_TITLE 57344     // the application's name: window titles, message boxes
#define IDS_IDLE_MESSAGE 57345  // the status-bar prompt shown when no menu item is highlighted

// Commands
#define ID_FILE_OPEN 57601
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681

// System-menu commands (SC_SIZE 0xF000 ...) have their prompts at
// IDS_SYSTEM_COMMAND_FIRST + (command - 0xF000) / 16.
#define IDS_SYSTEM_COMMAND_FIRST 61184

// Child windows of a frame
#define ID_STATUS_BAR 59393
#define ID_VIEW_PANE 59648

// Messages
#define WM_SETMESSAGESTRING 0x0362  // wParam: prompt id, or lParam: the text itself
#define WM_INITIALUPDATE 0x0364     // sent to the view, then every descendant of its frame
