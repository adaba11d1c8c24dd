#!/bin/bash
# End to end: the real viewer looks up what a user types. With no settings it
# starts with English as the source language. The user switches to French
# with Ctrl+L and types "chien", switches back with Ctrl+L and types "house"
# over it, tabs to the result list, goes down to the translation line
# "maison", selects the word with Right and Shift+Right and presses Enter,
# which makes French the source language again and looks "maison" up. After
# Alt+F4 the settings key holds the history of the three words and the
# French direction.
#   viewer_lookup.sh ORVANTO_EXE VBD_EXE SAMPLE_SOURCE
set -euo pipefail
. "$(dirname "$0")/viewer_session.sh"

e2e_install orvanto-lookup "$@"
e2e_start
e2e_activate
xdotool key ctrl+l
sleep 0.3
xdotool type --delay 120 chien
sleep 0.3
# Ctrl+L selects the search text: the next word replaces it.
xdotool key ctrl+l
sleep 0.3
xdotool type --delay 120 house
sleep 0.3
xdotool key Tab
sleep 0.3
xdotool key Down
sleep 0.3
xdotool key Right
for _ in 1 2 3 4 5 6; do xdotool key shift+Right; done
sleep 0.5
# The translation line selected: the reverse list shows the French entry.
/usr/bin/import -window "$window" "$screenshots/e2e-lookup-translation.png"
xdotool key Return
sleep 1
/usr/bin/import -window "$window" "$screenshots/e2e-lookup.png"
e2e_close

e2e_expect Language French
e2e_expect History "$(printf 'maison\nhouse\nchien')"
echo "PASS: the viewer looked up what was typed and stored its history and direction"
