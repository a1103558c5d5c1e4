#!/bin/sh
# Runs inside xvfb-run for scripts/screenshots.sh: starts the program on a
# project, photographs the depth-map window, switches with F3 and F9 and
# photographs the tile-map and afterburner windows, opens "Getting
# started..." from the Help menu and photographs the help window, then
# quits with Ctrl+Q.
set -e
program="$1"
project="$2"
out="$3"
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
