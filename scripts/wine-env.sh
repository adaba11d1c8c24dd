# Environment shared by everything that runs Windows programs here (sourced).
# Each setting keeps a value the caller already exported.
repo_root=$(cd "$(dirname "${BASH_SOURCE:-$0}")/.." && pwd)
export WINE64=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEPREFIX="${WINEPREFIX:-$repo_root/build/wine/test-prefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No prompts to install Mono or Gecko, no desktop menu entries, and no
# debugger: a crashing program ends at once instead of waiting for one.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
export LC_ALL=C.UTF-8
