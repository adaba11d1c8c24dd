// A thin wrapper over an HWND: one object per window, messages handled by one
// virtual procedure whose default is the window's original processing.
//
// Windows of a class registered through RegisterWindowClass are attached when
// they are created; windows made from a dialog template (dialogs, form views)
// are attached and subclassed when the template sends WM_INITDIALOG.
#pragma once
#include <windows.h>

#include "framework/command_target.h"

class Window : public CommandTarget {
 public:
  HWND m_hWnd = nullptr;

  Window() = default;
  // Destroys the window if it still exists.
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The object attached to a window, or null.
  static Window* FromHandle(HWND hwnd);

  // Registers a window class whose windows dispatch to their objects; the
  // procedure and instance of `windowClass` are filled in here. Registering a
  // name again is harmless.
  static bool RegisterWindowClass(WNDCLASSA windowClass);

  // Creates a window of a class registered with RegisterWindowClass, after
  // letting PreCreateWindow adjust the creation parameters.
  bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                int y, int width, int height, HWND parent, HMENU menuOrId);
  bool DestroyWindow();

  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }

  // Changes the creation parameters; false cancels the creation.
  virtual bool PreCreateWindow(CREATESTRUCTA& cs);
  // Offered every message the application's loop gets for this window or a
  // descendant, before it is dispatched; true consumes it.
  virtual bool PreTranslateMessage(MSG* msg);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Called after the window is gone; self-owned windows delete themselves here.
  virtual void PostNcDestroy() {}

 protected:
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The dialog procedure of every template-made window.
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Attach(HWND hwnd);
  void Subclass(HWND hwnd);
  void Detach();

  WNDPROC m_pfnSuper = DefWindowProcA;
  bool m_bSubclassed = false;
};

// The module that holds the program's resources.
HINSTANCE ResourceInstance();

// Keyboard and mouse messages: those that dialog navigation may consume.
inline bool IsInputMessage(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}
