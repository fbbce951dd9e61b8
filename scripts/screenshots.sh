#!/usr/bin/env bash
# Starts the real program on a virtual display and photographs it as a user
# would see it: the splash window, the main window with a few clubs, the
# editor after Calculate, and the grids after Update.
#   scripts/screenshots.sh [OUTPUT_FOLDER]   (default build/screenshots)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/build/screenshots}"
mkdir -p "$out"
program="$root/build/app/orv"
[[ -x "$program" ]] || { echo "Build the program first (scripts/test.sh)." >&2; exit 1; }
command -v xdotool >/dev/null || { echo "xdotool is needed: apt-get install xdotool" >&2; exit 1; }

xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -s "$program" "$out" <<'SESSION'
set -euo pipefail
program="$1"; out="$2"
shot() { sleep 0.7; import -window root "$out/$1.png"; echo "saved $out/$1.png"; }
wait_window() {
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [[ -n "$id" ]] && { echo "$id"; return; }
    sleep 0.2
  done
  echo "no window named $1" >&2; exit 1
}
press() { xdotool key --window "$1" "$2"; sleep 0.3; }
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }

cd "$(mktemp -d)"
"$program" &
pid=$!
sleep 1.5
shot splash
splash=$(xdotool search --onlyvisible --class orv | head -1)
xdotool mousemove --window "$splash" 10 10 click 1   # a click on the frame closes it
main=$(wait_window "VOVE-ROZO ORV")
shot main-empty

# Button centres in the main window's client area (twips / 15 at 96 dpi),
# below the menu bar.
menu=$(( $(xdotool getwindowgeometry "$main" | awk '/Geometry/ {split($2,a,"x"); print a[2]}') - 429 ))
add_x=$(( (3060 + 1815 / 2) / 15 )); edit_x=$(( (7050 + 1815 / 2) / 15 )); row_y=$(( menu + (5805 + 465 / 2) / 15 ))
for _ in 1 2 3; do click_at "$main" "$add_x" "$row_y"; done
shot main-three-clubs

click_at "$main" "$edit_x" "$row_y"
editor=$(xdotool search --onlyvisible --name "VOVE-ROZO ORV" | tail -1)
xdotool windowfocus "$editor"; sleep 0.3
fill() {
  local value="$1"
  xdotool key --window "$editor" ctrl+a BackSpace
  if [[ "$value" == -* ]]; then xdotool key --window "$editor" minus; value="${value#-}"; fi
  xdotool type --window "$editor" "$value"
  xdotool key --window "$editor" Tab
}
# Head No., Head Name, Mass, Volume, CM x/y/z, Lie Angle, then the six readings.
for value in 7 Driver 200 200 10 -20 5 0 2.85 3.25 4.5 3.35 4.275 3.625; do fill "$value"; done
calc_x=$(( (315 + 1275 / 2) / 15 )); update_x=$(( (1710 + 1275 / 2) / 15 )); buttons_y=$(( (6525 + 465 / 2) / 15 ))
click_at "$editor" "$calc_x" "$buttons_y"
shot editor-calculated
click_at "$editor" "$update_x" "$buttons_y"
shot main-after-update
kill "$pid" 2>/dev/null || true
SESSION
