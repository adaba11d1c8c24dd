# The real viewer driven as a user drives it, for the end-to-end tests
# (sourced). They run under the X server and Wine session of the test run
# (DISPLAY and WINEPREFIX set).
#   e2e_install FOLDER_NAME ORVANTO_EXE VBD_EXE SAMPLE_SOURCE
#       the viewer in C:\FOLDER_NAME with the sample dictionary compiled beside it
#   e2e_start        starts it with no settings; sets $viewer (its process) and $window
#   e2e_activate     a click on its status bar makes it the active window
#   e2e_close        Alt+F4, then waits for it to end
#   e2e_expect NAME VALUE   checks a value of the viewer's settings key
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
: "${DISPLAY:?needs the X server of the test run}"
screenshots="$repo_root/build/screenshots"
settings_key='HKCU\Software\Orvanto\Orvanto\Settings'

fail() { echo "FAIL: $*" >&2; exit 1; }
# A command that fails under `set -e` says which it was.
set -E
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

e2e_install() {
  local name=$1 orvanto_exe=$2 vbd_exe=$3 sample=$4
  e2e_folder="$WINEPREFIX/drive_c/$name"
  e2e_program="C:\\$name\\orvanto.exe"
  rm -rf "$e2e_folder"
  mkdir -p "$e2e_folder" "$screenshots"
  cp "$orvanto_exe" "$vbd_exe" "$e2e_folder/"
  cp "$sample" "$e2e_folder/sample.txt"
  (cd "$e2e_folder" && timeout 60 "$WINE64" vbd.exe build sample.txt fr_en.vbd) ||
    fail "the sample dictionary did not compile"
}

e2e_start() {
  timeout 30 "$WINE64" reg delete 'HKCU\Software\Orvanto\Orvanto' /f >/dev/null 2>&1 || true
  # From drive C:, so that the root of the current drive is C:\.
  (cd "$WINEPREFIX/drive_c" && exec timeout 120 "$WINE64" "$e2e_program") >/dev/null 2>&1 &
  viewer=$!
  trap 'kill $viewer 2>/dev/null || true' EXIT
  window=
  for _ in $(seq 150); do
    window=$(xdotool search --name '^Orvanto$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && return 0
    sleep 0.2
  done
  fail "the viewer's window did not appear"
}

# Keys go to Wine's desktop window, which passes them to the active window;
# a click on the status bar makes the viewer active as a user's click would.
e2e_activate() {
  local desktop geometry
  # Right after Wine starts, its desktop may not take the focus yet: try again.
  for _ in 1 2 3 4 5; do
    desktop=$(xdotool search --name 'Wine desktop' 2>/dev/null | head -1 || true)
    if [ -n "$desktop" ] && xdotool windowfocus --sync "$desktop" &&
      geometry=$(xdotool getwindowgeometry --shell "$window"); then
      eval "$geometry"
      xdotool mousemove --window "$window" --sync 20 $((HEIGHT - 8)) click 1
      sleep 0.5
      return 0
    fi
    sleep 0.5
  done
  fail "the viewer could not be made the active window"
}

e2e_close() {
  xdotool key alt+F4
  for _ in $(seq 100); do
    kill -0 "$viewer" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$viewer" 2>/dev/null && fail "the viewer did not end after Alt+F4"
  wait "$viewer" || fail "the viewer ended with an error"
  trap - EXIT
}

# A value as `reg query` prints it; text after the first line of a value
# that holds line feeds comes on the lines after it.
e2e_stored() {
  timeout 30 "$WINE64" reg query "$settings_key" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" 'found && /^ *$/ { exit }
      found { print; next }
      index($0, name) { found = 1; sub(/^.*REG_[A-Z_]+[ \t]+/, ""); print }'
}

e2e_expect() {
  local actual
  actual=$(e2e_stored "$1")
  [ "$actual" = "$2" ] || fail "\"$1\" is \"$actual\", expected \"$2\""
}
