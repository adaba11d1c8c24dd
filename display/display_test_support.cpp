#include "display/display_test_support.h"

#include <algorithm>
#include <cstdio>

namespace {

const char kHostClass[] = "OrvantoDisplayTestHost";

}  // namespace

TestHost::TestHost(int width, int height) {
  WNDCLASSA windowClass = {};
  windowClass.lpszClassName = kHostClass;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterWindowClass(windowClass);
  // Topmost: windows of tests running beside these cannot cover it.
  CreateEx(WS_EX_TOPMOST, kHostClass, "Display test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
           0, 0, width, height, nullptr, nullptr);
  SetForegroundWindow(m_hWnd);
  SetActiveWindow(m_hWnd);
}

void PlaceList(JListBox& list, const TestHost& host, int width, int height, int fontSize,
               const char* face) {
  list.Create(host.m_hWnd);
  list.SetDisplayFont(fontSize, face);
  list.SendMessage(0x0364);  // the framework's initial update
  SizeList(list, width, height);
}

Screenshot::Screenshot(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  m_nWidth = client.right;
  m_nHeight = client.bottom;
  HDC dc = GetDC(window);
  Copy(dc);
  ReleaseDC(window, dc);
}

Screenshot::Screenshot(HFONT font, const std::string& text, int width, int height)
    : m_nWidth(width), m_nHeight(height) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  HGDIOBJ oldFont = SelectObject(memory, font);
  RECT rect = {0, 0, width, height};
  FillRect(memory, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawTextA(memory, text.c_str(), static_cast<int>(text.size()), &rect, 0);
  Copy(memory);
  SelectObject(memory, oldFont);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

void Screenshot::Copy(HDC source) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = m_nWidth;
  info.bmiHeader.biHeight = -m_nHeight;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, m_nWidth, m_nHeight, source, 0, 0, SRCCOPY);
  GdiFlush();
  const uint32_t* pixels = static_cast<const uint32_t*>(bits);
  m_pixels.resize(static_cast<size_t>(m_nWidth) * m_nHeight);
  for (size_t i = 0; i < m_pixels.size(); ++i) m_pixels[i] = pixels[i] & 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

COLORREF Screenshot::At(int x, int y) const {
  const uint32_t pixel = m_pixels[static_cast<size_t>(y) * m_nWidth + x];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

bool Screenshot::HasInkIn(const RECT& rect, COLORREF colour) const {
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      if (At(x, y) != colour) return true;
    }
  }
  return false;
}

bool Screenshot::ShowsAt(int top, const Screenshot& other, int height, bool inverted) const {
  const int width = std::min(m_nWidth, other.m_nWidth);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      COLORREF expected = other.At(x, y);
      if (inverted) expected = ~expected & 0xFFFFFF;
      if (At(x, top + y) != expected) return false;
    }
  }
  return true;
}

void Screenshot::Save(const std::string& path) const {
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = m_nWidth;
  header.biHeight = -m_nHeight;
  header.biPlanes = 1;
  header.biBitCount = 32;
  const DWORD size = static_cast<DWORD>(m_pixels.size() * 4);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + size;
  if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(m_pixels.data(), 1, size, out);
    std::fclose(out);
  }
}

void SizeList(JListBox& list, int width, int height) {
  // The border and a scroll bar that comes or goes take their part of the window.
  RECT window = {0, 0, width, height};
  for (int attempt = 0; attempt < 3; ++attempt) {
    MoveWindow(list.m_hWnd, 0, 0, window.right, window.bottom, TRUE);
    RECT client;
    GetClientRect(list.m_hWnd, &client);
    if (client.right == width && client.bottom == height) break;
    window.right += width - client.right;
    window.bottom += height - client.bottom;
  }
  UpdateWindow(list.m_hWnd);
}

Screenshot PaintAndCapture(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return Screenshot(window);
}

int TextWidth(HFONT font, const std::string& text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE extent = {};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return extent.cx;
}
