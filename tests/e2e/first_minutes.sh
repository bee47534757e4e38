#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A new player's first minutes on a given screen, in a real X server with a window manager: the
# main window's title bar and every toolbar button are on the screen and the preview covers none
# of them; a refused put-down flashes red; a figure is solved from the keyboard alone and the
# "won" page opens; quitting keeps the progress in the default progress file without a dialog.
# usage: first_minutes.sh <build dir> <screenshot dir> <screen WxH> <scale factor>
set -euo pipefail
build=$1
shots=$2
export WT_SCREEN=$3
scale=$4
mkdir -p "$shots"
# shellcheck source=tests/e2e/xsession.sh
. "$(dirname "$(readlink -f "$0")")/xsession.sh"
# shellcheck source=tests/e2e/onefigure.sh
. "$(dirname "$(readlink -f "$0")")/onefigure.sh"

install_game "$build"
library="$work/prefix/lib/wimbo-tangram/kelm.dat"
write_one_figure_library "$library"

# A first start but for the language and the sound: no stored window places.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME/WimboGames" "$HOME"
printf '%s\n' '[V2]' 'common\tongue=0' 'common\sound=0' \
    >"$XDG_CONFIG_HOME/WimboGames/WimboTangram.conf"

start_x_session
QT_SCALE_FACTOR=$scale "$game" >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")

shot() { import -window root "$shots/$1.png"; }
# x y width height of a window's client area.
client_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

wait_for "the main window" xdotool search --onlyvisible --name "^Wimbo Tangram$"
main=$(xdotool search --onlyvisible --name "^Wimbo Tangram$" | head -1)
sleep 4 # the opening animation, the splash (closed below) and the preview's placing
xdotool key Escape || true
sleep 1
wait_for "the preview" xdotool search --onlyvisible --name "^humans - 1"
preview=$(xdotool search --onlyvisible --name "^humans - 1" | head -1)
shot 1-start

read -r sw sh <<<"$(echo "$WT_SCREEN" | tr x ' ')"
read -r cx cy cw ch <<<"$(client_of "$main")"
# The frame the window manager puts round the client: left, right, top, bottom.
read -r el er et eb <<<"$(xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
fx=$((cx - el)) fy=$((cy - et)) fw=$((cw + el + er)) fh=$((ch + et + eb))
echo "screen ${sw}x${sh}: main frame $fx,$fy ${fw}x$fh, client $cx,$cy ${cw}x$ch"
[ "$et" -gt 0 ] || fail "the main window has no title bar"
[ "$fy" -ge 0 ] && [ "$fx" -ge 0 ] || fail "the main window's title bar is off the screen"
[ $((fx + fw)) -le "$sw" ] && [ $((fy + fh)) -le "$sh" ] || fail "the main window leaves the screen"
# The toolbar: one row of 33 logical pixels, two on a window narrower than its 607 pixels.
rows=1
[ "$cw" -lt $((607 * scale)) ] && rows=2
toolbar_bottom=$((cy + rows * 33 * scale))
read -r px py pw ph <<<"$(client_of "$preview")"
read -r el er et eb <<<"$(xprop -id "$preview" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
px=$((px - el)) py=$((py - et)) pw=$((pw + el + er)) ph=$((ph + et + eb))
echo "preview frame $px,$py ${pw}x$ph, toolbar $cx,$cy to $((cx + cw)),$toolbar_bottom"
[ "$px" -ge 0 ] && [ "$py" -ge 0 ] && [ $((px + pw)) -le "$sw" ] && [ $((py + ph)) -le "$sh" ] ||
    fail "the preview is not wholly on the screen"
if [ "$px" -lt $((cx + cw)) ] && [ $((px + pw)) -gt "$cx" ] && [ "$py" -lt "$toolbar_bottom" ] &&
    [ $((py + ph)) -gt "$cy" ]; then
    fail "the preview covers the toolbar"
fi

# Keys on the board: the small triangle (piece 1) is lifted and pushed six cells left onto piece
# 2, and the put-down is refused: its outline flashes red.
xdotool windowactivate --sync "$main"
sleep 0.3
xdotool key Tab
for _ in 1 2 3 4 5 6; do xdotool key Left; done
sleep 0.3
xdotool key Return
import -window "$main" "$work/flash.png"
cp "$work/flash.png" "$shots/2-refused.png"
red=$(convert "$work/flash.png" -fill black +opaque "rgb(255,0,0)" -fill white -opaque "rgb(255,0,0)" \
    -format "%[fx:int(mean*w*h)]" info:)
echo "red pixels while the refusal flashes: $red"
[ "$red" -gt 20 ] || fail "a refused put-down shows no red outline"
sleep 1
import -window "$main" "$work/after.png"
red=$(convert "$work/after.png" -fill black +opaque "rgb(255,0,0)" -fill white -opaque "rgb(255,0,0)" \
    -format "%[fx:int(mean*w*h)]" info:)
[ "$red" -eq 0 ] || fail "the red outline stays after the flash"

# Back where it was, then the figure from the keyboard alone: Tab puts each piece down where it
# lies and lifts the next, up to the parallelogram, which goes to (60, 40): 56 left, 3 up, two
# turns clockwise (14 -> 0) and the mirror (0 -> 16); Enter puts it down.
for _ in 1 2 3 4 5 6; do xdotool key Right; done
for _ in 1 2 3 4 5 6; do xdotool key Tab; sleep 0.05; done
xdotool key --delay 15 $(printf 'Left %.0s' $(seq 56)) Up Up Up e e m
sleep 0.3
shot 3-placed
xdotool key Return
wait_for "the won page" bash -c "[ \"\$(xdotool getactivewindow)\" != $main ]"
sleep 0.5
shot 4-won
page=$(xdotool getactivewindow)
[ "$(xdotool getwindowname "$page")" = "Wimbo Tangram" ] || fail "the active window is not the won page"
xdotool key Return
sleep 0.5

# Quit: the question, Yes, and the game ends without a save dialog, the solved figure kept.
quit_keeping_solved_figure "$main" 5-quit
echo "first minutes on ${WT_SCREEN} at scale $scale: windows on the screen, flash, keyboard solve, progress kept"
