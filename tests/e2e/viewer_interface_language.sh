#!/bin/bash
# End to end: the real viewer, started as a user starts it. With a dictionary
# beside it and no settings yet, it opens at the default place; the user
# switches the interface to French with Ctrl+I and closes the window with
# Alt+F4; the settings key then holds the French interface and the placement.
#   viewer_interface_language.sh ORVANTO_EXE VBD_EXE SAMPLE_SOURCE
set -euo pipefail
. "$(dirname "$0")/viewer_session.sh"

e2e_install orvanto-e2e "$@"
e2e_start
e2e_activate
xdotool key ctrl+i
sleep 1
/usr/bin/import -window root "$screenshots/e2e-french-interface.png"
e2e_close

e2e_expect 'Interface Language' French
# A first run opens at (50, 50), a quarter of the 1024 × 768 screen wide and
# three fifths of it high, not maximized.
e2e_expect 'Window Left' 0x32
e2e_expect 'Window Top' 0x32
e2e_expect 'Window Width' 0x100
e2e_expect 'Window Height' 0x1cc
e2e_expect 'Maximize' 0x0
echo "PASS: the interface switched to French and the settings were written"
