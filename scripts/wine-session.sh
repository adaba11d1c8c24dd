# A Wine session under a headless X server of our own (sourced by bash scripts).
#   wine_session_start PREFIX   make PREFIX if it is new, start Xvfb and Wine
#   wine_session_stop           end Wine and Xvfb
# The prefix gets the Wine fonts, Arial-compatible replacements and a virtual
# desktop: without a desktop and with no window manager, every destroyed
# top-level window costs two seconds.
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

wine_prefix_create() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  mkdir -p "$WINEPREFIX"
  "$WINE64" wineboot -i 2>&1 | grep -v 'syswow64' || true
  "$WINESERVER" -w
  cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/"
  local reg="$WINEPREFIX/drive_c/orvanto-setup.reg"
  cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
REG
  "$WINE64" regedit /S 'C:\orvanto-setup.reg'
  rm -f "$reg"
  "$WINESERVER" -w
}

xvfb_start() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

wine_session_start() {
  export WINEPREFIX="$1"
  wine_prefix_create
  xvfb_start
  # Start Wine before anything runs, else each program waits for Wine's
  # background processes and may inherit their output.
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w
  "$WINESERVER" -p >/dev/null 2>&1
  "$WINE64" wineboot >/dev/null 2>&1 || true
}

wine_session_stop() {
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w 2>/dev/null || true
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}
