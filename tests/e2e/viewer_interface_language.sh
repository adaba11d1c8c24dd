#!/bin/bash
# End to end: the real viewer, started as a user starts it, under the X server
# and Wine session the test run provides (DISPLAY and WINEPREFIX set). With a
# dictionary beside it and no settings yet, it opens at the default place; the
# user switches the interface to French with Ctrl+I and closes the window with
# Alt+F4; the settings key then holds the French interface and the placement.
#   viewer_interface_language.sh ORVANTO_EXE VBD_EXE SAMPLE_SOURCE
set -euo pipefail
orvanto_exe=$1 vbd_exe=$2 sample=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/wine-env.sh"
: "${DISPLAY:?needs the X server of the test run}"
screenshots="$repo_root/build/screenshots"
settings_key='HKCU\Software\Orvanto\Orvanto\Settings'

fail() { echo "FAIL: $*" >&2; exit 1; }

# The program's folder under C:, with the sample dictionary compiled beside it.
folder="$WINEPREFIX/drive_c/orvanto-e2e"
rm -rf "$folder"
mkdir -p "$folder" "$screenshots"
cp "$orvanto_exe" "$vbd_exe" "$folder/"
cp "$sample" "$folder/sample.txt"
(cd "$folder" && timeout 60 "$WINE64" vbd.exe build sample.txt fr_en.vbd) ||
  fail "the sample dictionary did not compile"
timeout 30 "$WINE64" reg delete 'HKCU\Software\Orvanto\Orvanto' /f >/dev/null 2>&1 || true

cd "$WINEPREFIX/drive_c"
timeout 120 "$WINE64" 'C:\orvanto-e2e\orvanto.exe' >/dev/null 2>&1 &
viewer=$!
trap 'kill $viewer 2>/dev/null || true' EXIT

window=
for _ in $(seq 150); do
  window=$(xdotool search --name '^Orvanto$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || fail "the viewer's window did not appear"

# Keys go to Wine's desktop window, which passes them to the active window;
# a click on the status bar makes the viewer active as a user's click would.
desktop=$(xdotool search --name 'Wine desktop' | head -1)
xdotool windowfocus --sync "$desktop"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" --sync 20 $((HEIGHT - 8)) click 1
sleep 0.5
xdotool key ctrl+i
sleep 1
/usr/bin/import -window root "$screenshots/e2e-french-interface.png"
xdotool key alt+F4
for _ in $(seq 100); do
  kill -0 $viewer 2>/dev/null || break
  sleep 0.2
done
kill -0 $viewer 2>/dev/null && fail "the viewer did not end after Alt+F4"
wait $viewer || fail "the viewer ended with an error"
trap - EXIT

stored() {
  timeout 30 "$WINE64" reg query "$settings_key" /v "$1" 2>/dev/null |
    tr -d '\r' | awk -v name="$1" 'index($0, name) { sub(/^.*REG_[A-Z_]+[ \t]+/, ""); print }'
}
expect() {
  local actual
  actual=$(stored "$1")
  [ "$actual" = "$2" ] || fail "\"$1\" is \"$actual\", expected \"$2\""
}
expect 'Interface Language' French
# A first run opens at (50, 50), a quarter of the 1024 × 768 screen wide and
# three fifths of it high, not maximized.
expect 'Window Left' 0x32
expect 'Window Top' 0x32
expect 'Window Width' 0x100
expect 'Window Height' 0x1cc
expect 'Maximize' 0x0
echo "PASS: the interface switched to French and the settings were written"
