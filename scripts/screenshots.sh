#!/usr/bin/env bash
# Starts the real program on a virtual display under a real window manager
# (openbox) and photographs it as a user would see it: the splash window,
# the main window with a few clubs, the editor after Calculate, and the grids
# after Update, the picture, Save As and Open dialogs; then the document is
# saved, the program quit and started again, the file opened (the Open
# dialog lists copies in other letter cases), and the grids compared with
# those before. Last, a
# document of 120 realistic heads made with orv-calc is opened and shown at
# its top and at its end; last, the head window at 96 and 120 dpi.
#   scripts/screenshots.sh [OUTPUT_FOLDER]   (default build/screenshots)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/build/screenshots}"
mkdir -p "$out"
program="$root/build/app/orv"
calc="$root/build/cli/orv-calc"
[[ -x "$program" && -x "$calc" ]] || { echo "Build the program first (scripts/test.sh)." >&2; exit 1; }
command -v openbox >/dev/null || { echo "openbox is needed: apt-get install openbox" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "xdotool is needed: apt-get install xdotool" >&2; exit 1; }

# 120 heads as an instrument gives them: each a uniform-looking body with a
# tensor about its centre of gravity, turned into the six readings through
# the origin of the fixture.
heads120="$(mktemp -d)/heads120.csv"
awk 'BEGIN {
  srand(7);
  print "ClubNo,ClubName,Mass,Volume,CMx,CMy,CMz,Ixx,Iyy,Izz,Ixy,Iyz,Izx,LieAngle";
  for (i = 1; i <= 120; i++) {
    m = 190 + 40 * rand(); cx = 20 + 15 * rand(); cy = -25 + 10 * rand(); cz = 10 * rand() - 5;
    txx = 1.8 + 0.8 * rand(); tyy = 2.8 + 0.8 * rand(); tzz = (txx + tyy) * (0.8 + 0.15 * rand());
    txy = 0.1 * rand() - 0.05; tyz = 0.1 * rand() - 0.05; tzx = 0.1 * rand() - 0.05;
    k = m / 1000; x = cx / 10; y = cy / 10; z = cz / 10; r2 = x * x + y * y + z * z;
    jxx = txx + k * (r2 - x * x); jyy = tyy + k * (r2 - y * y); jzz = tzz + k * (r2 - z * z);
    jxy = txy - k * x * y; jyz = tyz - k * y * z; jzx = tzx - k * z * x;
    # Every 25th head with its centre of gravity typed ten times too far.
    if (i % 25 == 0) cx *= 10;
    printf "%d,Driver %03d,%.2f,%.1f,%.3f,%.3f,%.3f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.1f\n",
      i, i, m, 440 + 20 * rand(), cx, cy, cz, jxx, jyy, jzz,
      (jxx + jyy) / 2 + jxy, (jyy + jzz) / 2 + jyz, (jzz + jxx) / 2 + jzx, 55 + 7 * rand();
  }
}' > "$heads120"

xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -s "$program" "$out" "$calc" "$heads120" <<'SESSION'
set -euo pipefail
program="$1"; out="$2"; calc="$3"; heads120="$4"
openbox >/dev/null 2>&1 &
sleep 1
[[ -n "${ORV_TRACE:-}" ]] && set -x
shot() { sleep 0.7; import -window root "$out/$1.png"; echo "saved $out/$1.png"; }
# The client area of one window only, without the title bar, whose caption
# names the open file.
shot_client() {
  sleep 0.7
  eval "$(xdotool getwindowgeometry --shell "$2")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/$1.png"; echo "saved $out/$1.png"
}
wait_window() {   # NAME [more search options]
  local name="$1"; shift
  for _ in $(seq 50); do
    id=$(xdotool search --all --onlyvisible "$@" --name "^$name" 2>/dev/null | head -1 || true)
    [[ -n "$id" ]] && { echo "$id"; return; }
    sleep 0.2
  done
  echo "no window named $1" >&2; exit 1
}
press() { xdotool key --window "$1" "$2"; sleep 0.3; }
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }

cd "$(mktemp -d)"
# The program's settings (remembered folders) stay in this session.
export XDG_CONFIG_HOME="$PWD/config"
# The picture dialog starts in ./RaviDazov: put a head photo there.
mkdir RaviDazov
convert -size 320x240 radial-gradient:'#9fb4c7'-'#2b3036' -fill '#e0a830' -draw 'ellipse 160,120 90,50 0,360' RaviDazov/driver.jpg
"$program" &
pid=$!
sleep 1.5
shot splash
splash=$(wait_window "" --pid "$pid")
# Where the splash stands, frame included, against the screen's centre.
eval "$(xdotool getwindowgeometry --shell "$splash")"
echo "splash client at ${X},${Y} size ${WIDTH}x${HEIGHT}; frame extents: $(xprop -id "$splash" _NET_FRAME_EXTENTS | cut -d= -f2)"
xdotool mousemove --window "$splash" 10 10 click 1   # a click on the frame closes it
main=$(wait_window "VOVE-ROZO ORV" --pid "$pid")
shot main-empty
# The main window, frame included, stands in the middle of the screen.
# (xwininfo, as xdotool reports a framed window's position shifted.)
info=$(xwininfo -id "$main")
X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info"); Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
WIDTH=$(awk '/Width:/ {print $2}' <<<"$info"); HEIGHT=$(awk '/Height:/ {print $2}' <<<"$info")
IFS=', ' read -r left right top bottom <<<"$(xprop -id "$main" _NET_FRAME_EXTENTS | cut -d= -f2)"
off_x=$(( X - left + (left + WIDTH + right) / 2 - 512 )); off_y=$(( Y - top + (top + HEIGHT + bottom) / 2 - 384 ))
echo "main window frame centre off the screen centre by ${off_x},${off_y} px"
(( ${off_x#-} <= 25 && ${off_y#-} <= 25 )) || { echo "the main window is not centred" >&2; exit 1; }

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
# The centre of gravity typed 100 mm out: the editor shows its findings;
# then back to 10 mm.
cm_x=$(( (180 + 3510 + 735 / 2) / 15 )); cm_y=$(( (675 + 405 + 330 / 2) / 15 ))
retype_cm() { click_at "$editor" "$cm_x" "$cm_y"; xdotool key --window "$editor" ctrl+a BackSpace; xdotool type --window "$editor" "$1"; }
retype_cm 100; click_at "$editor" "$calc_x" "$buttons_y"
shot editor-findings
retype_cm 10; click_at "$editor" "$calc_x" "$buttons_y"
# Browse: Qt's open dialog with the preview frame beside the list; the
# photo is highlighted (the list has the focus after a Tab back from the
# file name), then the dialog is cancelled.
click_at "$editor" $(( (8235 + 735 / 2) / 15 )) $(( (6075 + 315 / 2) / 15 ))
browse=$(wait_window "Open")
xdotool windowfocus "$browse"; sleep 0.5
xdotool key shift+Tab Home; sleep 0.5
shot editor-browse
xdotool key Escape; sleep 0.5
xdotool windowfocus "$editor"; sleep 0.3
click_at "$editor" "$update_x" "$buttons_y"
shot main-after-update

# A second club: the last row, edited the same way with other readings.
xdotool mousemove --window "$main" 300 $(( menu + 270 / 15 + 3 * 17 + 12 )) click 1; sleep 0.3
click_at "$main" "$edit_x" "$row_y"
editor=$(xdotool search --onlyvisible --name "VOVE-ROZO ORV" | tail -1)
xdotool windowfocus "$editor"; sleep 0.3
for value in 9 Fairway 215 175 12 -18 6 57 2.6 3.1 4.2 3.0 4.0 3.4; do fill "$value"; done
click_at "$editor" "$calc_x" "$buttons_y"
click_at "$editor" "$update_x" "$buttons_y"
# The same click on row 1 before both comparison shots puts the selections
# and the focus in the same state.
settle_grids() { click_at "$main" 300 $(( menu + 270 / 15 + 30 )); }   # a cell of row 1
settle_grids
shot main-two-computed
shot_client main-two-computed-client "$main"

document="$PWD/heads.orv"
menu_keys() { xdotool windowfocus "$main"; sleep 0.3; xdotool key alt+f; sleep 0.3; xdotool key "$@"; sleep 0.8; }
menu_keys s s Return   # File, Save As
wait_window "Save As" >/dev/null
shot save-as-dialog
xdotool type --delay 20 "$document"; xdotool key Return; sleep 0.8
menu_keys x            # File, Exit
shot exit-question
xdotool key n; sleep 1                                            # Save datas? No
if kill -0 "$pid" 2>/dev/null; then echo "the program did not end" >&2; exit 1; fi
[[ -s "$document" ]] || { echo "nothing was saved" >&2; exit 1; }
# Copies in other letter cases: the open dialog lists them too.
cp "$document" "$PWD/HEADS-COPY.ORV"; cp "$document" "$PWD/Heads-copy.Orv"; touch notes.txt

"$program" &
pid=$!
sleep 1.5
splash=$(wait_window "" --pid "$pid")
xdotool windowfocus "$splash"; sleep 0.3; xdotool key Escape    # a key closes the splash
main=$(wait_window "VOVE-ROZO ORV" --pid "$pid")
sleep 0.5
menu_keys o            # File, Open
wait_window "Open" >/dev/null
shot open-dialog
xdotool type --delay 20 "$document"; xdotool key Return; sleep 0.8
settle_grids
shot main-reopened
shot_client main-reopened-client "$main"

"$calc" import "$heads120" heads120.orv
menu_keys o
xdotool type --delay 20 "$PWD/heads120.orv"; xdotool key Return; sleep 0.8
shot main-120-heads-top
click_at "$main" 300 $(( menu + 270 / 15 + 30 ))   # a cell of the first row
# Down to row 30: head 25, its centre of gravity typed wrong, shows tinted.
xdotool key --repeat 29 --delay 20 Down; sleep 0.5
shot main-120-heads-finding
xdotool key ctrl+End; sleep 0.5
shot main-120-heads-end
# The manual in the help window, from F1.
xdotool windowfocus "$main"; sleep 0.3; xdotool key F1; sleep 1
wait_window "VOVE-ROZO ORV manual" --pid "$pid" >/dev/null
shot help-window
kill "$pid" 2>/dev/null || true
SESSION

# The head window beside the main window on a wider screen, at 96 and at
# 120 dpi: a driver, an iron, a putter, a head with a slip in its readings,
# and two drivers compared.
head_session() {   # DPI
  xvfb-run -a -s "-screen 0 1700x950x24 -dpi $1" bash -s "$program" "$out" "$calc" "$root" "$1" <<'HEADS'
set -euo pipefail
program="$1"; out="$2"; calc="$3"; root="$4"; dpi="$5"
openbox >/dev/null 2>&1 &
sleep 1
cd "$(mktemp -d)"
export XDG_CONFIG_HOME="$PWD/config"
[[ "$dpi" == 120 ]] && export QT_FONT_DPI=120
"$calc" import "$root/scripts/screenshot-heads.csv" heads.orv
"$program" heads.orv &
pid=$!
sleep 2; xdotool key Escape; sleep 1.5
main=$(xdotool search --onlyvisible --name "^ORV Calculation" | head -1)
xdotool windowmove "$main" 0 0; sleep 0.3
xdotool windowfocus "$main"; sleep 0.3; xdotool key ctrl+i; sleep 1.5
shot() { sleep 0.7; import -window root "$out/$1-$dpi.png"; echo "saved $out/$1-$dpi.png"; }
shot head-driver
down() { xdotool windowfocus "$main"; sleep 0.2; xdotool key --repeat "$1" --delay 60 Down; sleep 0.8; }
xdotool windowfocus "$main"; sleep 0.2; xdotool key Tab; sleep 0.2
down 2; shot head-iron
down 1; shot head-putter
down 1; shot head-findings
# Driver 460 (row 1) against Driver 10K (row 2), along z.
xdotool key --repeat 4 --delay 60 Up; sleep 0.5
head=$(xdotool search --onlyvisible --name "^Head - " | head -1)
xdotool windowfocus "$head"; sleep 0.3
xdotool key alt+m; sleep 0.3; xdotool key Down Down; sleep 0.5
xdotool key alt+z; sleep 0.5
shot head-compare
kill "$pid" 2>/dev/null || true
HEADS
}
# A working day on a 1280 x 1024 screen: the main window maximised with the
# 120 heads, then the editor telling what it read from "6,95" beside its
# findings, at 96 and 120 dpi.
day_session() {   # DPI
  xvfb-run -a -s "-screen 0 1280x1024x24 -dpi $1" bash -s "$program" "$out" "$calc" "$heads120" "$1" <<'DAY'
set -euo pipefail
program="$1"; out="$2"; calc="$3"; heads120="$4"; dpi="$5"
openbox >/dev/null 2>&1 &
sleep 1
cd "$(mktemp -d)"
export XDG_CONFIG_HOME="$PWD/config"
[[ "$dpi" == 120 ]] && export QT_FONT_DPI=120
"$calc" import "$heads120" heads120.orv
"$program" heads120.orv &
pid=$!
sleep 2; xdotool key Escape; sleep 1.5
main=$(xdotool search --onlyvisible --name "^ORV Calculation" | head -1)
shot() { sleep 0.7; import -window root "$out/$1-$dpi.png"; echo "saved $out/$1-$dpi.png"; }
xdotool windowmove "$main" 0 0; xdotool windowsize "$main" 100% 100%; sleep 1
shot main-maximised
# The editor on head 25, whose centre of gravity was typed ten times too far,
# with "6,95" typed into I_zz: Tab from Head No. to it.
xdotool windowfocus "$main"; sleep 0.2; xdotool key F3; sleep 0.3; xdotool key Return; sleep 1.2
editor=$(xdotool search --onlyvisible --name "VOVE-ROZO ORV" | tail -1)
xdotool windowfocus "$editor"; sleep 0.3
xdotool key --repeat 10 --delay 40 Tab; xdotool key ctrl+a; xdotool type "6,95"; xdotool key Return
shot editor-read-as
kill "$pid" 2>/dev/null || true
DAY
}
day_session 96
day_session 120
head_session 96
head_session 120

# The grids of the reopened document, pixel for pixel those before quitting.
differing=$(compare -metric AE "$out/main-two-computed-client.png" "$out/main-reopened-client.png" null: 2>&1 || true)
if [[ "$differing" == "0" ]]; then echo "reopened grids: identical"; else echo "reopened grids: $differing pixels differ" >&2; exit 1; fi
