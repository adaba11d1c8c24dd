#include "framework/window.h"

namespace {
const char kObjectProperty[] = "Orvanto.Window";
}

HINSTANCE ResourceInstance() { return GetModuleHandleA(nullptr); }

Window::~Window() {
  if (m_hWnd) {
    HWND hwnd = m_hWnd;
    Detach();
    ::DestroyWindow(hwnd);
  }
}

Window* Window::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Window*>(GetPropA(hwnd, kObjectProperty)) : nullptr;
}

bool Window::RegisterWindowClass(WNDCLASSA windowClass) {
  windowClass.lpfnWndProc = StaticWindowProc;
  windowClass.hInstance = ResourceInstance();
  WNDCLASSA existing;
  if (GetClassInfoA(windowClass.hInstance, windowClass.lpszClassName, &existing)) return true;
  return RegisterClassA(&windowClass) != 0;
}

bool Window::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                      int x, int y, int width, int height, HWND parent, HMENU menuOrId) {
  CREATESTRUCTA cs = {};
  cs.dwExStyle = exStyle;
  cs.lpszClass = className;
  cs.lpszName = title;
  cs.style = static_cast<LONG>(style);
  cs.x = x;
  cs.y = y;
  cs.cx = width;
  cs.cy = height;
  cs.hwndParent = parent;
  cs.hMenu = menuOrId;
  cs.hInstance = ResourceInstance();
  cs.lpCreateParams = this;
  if (!PreCreateWindow(cs)) return false;
  // A window that fails in WM_CREATE is destroyed at once, and a self-owned
  // object is then gone: nothing of it may be touched after this call.
  return CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style),
                         cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                         cs.lpCreateParams) != nullptr;
}

bool Window::DestroyWindow() { return m_hWnd && ::DestroyWindow(m_hWnd); }

bool Window::PreCreateWindow(CREATESTRUCTA&) { return true; }

bool Window::PreTranslateMessage(MSG*) { return false; }

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultProc(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
}

void Window::Attach(HWND hwnd) {
  m_hWnd = hwnd;
  SetPropA(hwnd, kObjectProperty, this);
}

void Window::Subclass(HWND hwnd) {
  Attach(hwnd);
  m_pfnSuper = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc)));
  m_bSubclassed = true;
}

void Window::Detach() {
  RemovePropA(m_hWnd, kObjectProperty);
  if (m_bSubclassed) SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_bSubclassed = false;
  m_hWnd = nullptr;
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = FromHandle(hwnd);
  if (!window && message == WM_NCCREATE) {
    window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (window) window->Attach(hwnd);
  }
  // Messages before WM_NCCREATE (WM_GETMINMAXINFO) arrive before any object.
  if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
  LRESULT result = window->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    window->Detach();
    window->PostNcDestroy();
  }
  return result;
}

INT_PTR CALLBACK Window::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Once subclassed, the window's messages reach WindowProc first; this
  // procedure only answers the dialog manager's default questions.
  if (message != WM_INITDIALOG) return FALSE;
  if (FromHandle(hwnd)) return TRUE;  // the default: focus on the first control
  Window* window = reinterpret_cast<Window*>(lParam);
  window->Subclass(hwnd);
  return window->WindowProc(WM_INITDIALOG, wParam, lParam);
}
