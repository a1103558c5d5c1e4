#!/bin/sh
# Runs inside xvfb-run for scripts/screenshots.sh: starts the program
# without a project and photographs the welcome screen, shows the tile
# library and photographs the library window, then starts the program on a
# project, photographs the depth-map window, switches with F3 and F9 and
# photographs the tile-map window (its tile duplicated to three bands) and
# the afterburner window, opens "Getting started..." from the Help menu
# and photographs the help window, then quits with Ctrl+Q.
set -e
program="$1"
project="$2"
out="$3"

# The first visible window whose name matches, waiting for it to come up.
wait_for() {
  found=""
  for _ in $(seq 1 100); do
    found="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)"
    [ -n "$found" ] && break
    sleep 0.2
  done
  echo "$found"
}

# A window the program shows by itself: photographed, then closed with Escape.
shoot_dialog() {
  name="$1"
  file="$2"
  shift 2
  "$@" &
  dialog_pid=$!
  dialog="$(wait_for "^$name\$")"
  if [ -z "$dialog" ]; then
    echo "the window $name did not come up" >&2
    kill "$dialog_pid" 2>/dev/null || true
    exit 1
  fi
  sleep 1.5
  import -window "$dialog" "$out/$file"
  xdotool windowfocus --sync "$dialog" key Escape
  sleep 1
}

# The welcome screen of a first start; Escape is its "Start", Ctrl+Q ends.
shoot_dialog "Welcome" welcome-screen.png "$program"
main="$(wait_for 'Lumora Release 2')"
[ -n "$main" ] && xdotool windowfocus --sync "$main" key ctrl+q
sleep 1
kill "$dialog_pid" 2>/dev/null || true
wait "$dialog_pid" 2>/dev/null || true

shoot_dialog "Tile Library" library-window.png "$(dirname "$program")/lumora-show-window" tile-library
kill "$dialog_pid" 2>/dev/null || true
wait "$dialog_pid" 2>/dev/null || true
"$program" "$project" &
pid=$!
window=""
for _ in $(seq 1 100); do
  window="$(xdotool search --onlyvisible --name 'Lumora Release 2' 2>/dev/null | head -n 1 || true)"
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "the program's window did not come up" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi
shoot() {
  sleep 1.5
  current="$(xdotool search --onlyvisible --name 'Lumora Release 2' | head -n 1)"
  import -window "$current" "$out/$1"
}
press() {
  current="$(xdotool search --onlyvisible --name 'Lumora Release 2' | head -n 1)"
  xdotool windowfocus --sync "$current" key "$1"
}
shoot depth-map-window.png
press F3
# Three bands: the example's tile selected by its button and duplicated
# twice.
current="$(xdotool search --onlyvisible --name 'Lumora Release 2' | head -n 1)"
sleep 1
xdotool mousemove --window "$current" 173 73 click 1
press ctrl+d
press ctrl+d
shoot tile-map-window.png
press F9
sleep 2
shoot afterburner-window.png
# Help - Getting started... (the second item of the menu).
press alt+h
sleep 0.5
xdotool key Down Return
sleep 1.5
help="$(xdotool search --onlyvisible --name '^Help$' | head -n 1 || true)"
if [ -n "$help" ]; then
  import -window "$help" "$out/help-window.png"
  xdotool windowfocus --sync "$help" key Escape
else
  echo "the help window did not come up" >&2
fi
sleep 0.5
press ctrl+q
sleep 1
# Leaving asks about the rendered, unsaved project: "No".
if kill -0 "$pid" 2>/dev/null; then
  press n || true
  sleep 1
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
