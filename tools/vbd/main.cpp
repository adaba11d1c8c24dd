#include <cstdio>

#include "tools/vbd/vbd_command.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

// Windows hands main its arguments in the ANSI code page, which is right for
// paths; a look-up text is taken from the wide command line as UTF-8 so that
// it reads the same as on other platforms.
static std::vector<std::string> Arguments(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  int wideCount = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &wideCount);
  if (wide != nullptr && wideCount == argc && argc == 5) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide[4], -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[4], -1, text.data(), size, nullptr, nullptr);
    args[3] = text;
  }
  LocalFree(wide);
  // Output bytes are the same as elsewhere: no LF to CR LF translation.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
  return args;
}
#else
static std::vector<std::string> Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }
#endif

int main(int argc, char** argv) { return RunVbd(Arguments(argc, argv), stdin, stdout, stderr); }
