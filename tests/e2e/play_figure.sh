#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A figure played to the end with the mouse, in a real X server with a window manager, driven by
# xdotool. The installed game gets a one-figure library: pieces 1..6 lie where they start, and
# the parallelogram belongs in the middle of the board, mirrored and turned against its start.
# The player lifts the parallelogram and drags it there, turns it by circling the pointer round
# its reference point, mirrors it with the right button and puts it down with a press on empty
# board. The pieces turn green, the congratulation page opens, and quitting saves the progress
# with the figure marked solved.
# usage: play_figure.sh <build dir> <screenshot dir>
set -euo pipefail
build=$1
shots=$2
mkdir -p "$shots"
# shellcheck source=tests/e2e/xsession.sh
. "$(dirname "$(readlink -f "$0")")/xsession.sh"
# shellcheck source=tests/e2e/onefigure.sh
. "$(dirname "$(readlink -f "$0")")/onefigure.sh"

install_game "$build"
library="$work/prefix/lib/wimbo-tangram/kelm.dat"
[ -f "$library" ] || { echo "no pattern library installed"; exit 1; }

write_one_figure_library "$library"

# English, no sound, the first figure of category 0, the preview window to the right of where the
# main window will be, so that it covers no part of the board.
export XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data"
export HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME/WimboGames" "$HOME"
printf '%s\n' '[V2]' 'common\tongue=0' 'common\sound=0' 'common\group=0' 'common\level=1' \
    'common\pleft=900' 'common\ptop=60' >"$XDG_CONFIG_HOME/WimboGames/WimboTangram.conf"

start_x_session

"$game" >"$work/game.log" 2>&1 & game_pid=$!
pids+=("$game_pid")

splash_shown() { # the splash is the visible window whose role says so
    for w in $(xdotool search --onlyvisible --name "Wimbo Tangram" 2>/dev/null); do
        xprop -id "$w" WM_WINDOW_ROLE 2>/dev/null | grep -q '"splash"' && return 0
    done
    return 1
}
shot() { import -window root "$shots/$1.png"; }

wait_for "the main window" xdotool search --onlyvisible --name "^Wimbo Tangram$"
main=$(xdotool search --onlyvisible --name "^Wimbo Tangram$" | head -1)
# The splash opens at the main window's first activation and closes by itself or on a key; the
# board takes no input while it is up, so the player waits for it and sends it away.
wait_for "the splash" splash_shown
sleep 0.3
xdotool key Escape
wait_for "the splash to go" bash -c "$(declare -f splash_shown); ! splash_shown"
sleep 0.5

# A larger board than the designed size: cell size 6 in a client area of 860 x 540.
xdotool windowmove --sync "$main" 20 40 || true
xdotool windowsize --sync "$main" 860 540 || true
sleep 1
geometry=$(xdotool getwindowgeometry "$main" | sed -n 's/ *Geometry: //p')
W=${geometry%x*}
H=${geometry#*x}
# The board layout: the toolbar takes 33 pixels; one grid unit of margin on every side.
s=$((W / 123))
[ $(((H - 33) / 83)) -lt "$s" ] && s=$(((H - 33) / 83))
[ "$s" -ge 3 ] || fail "client area ${W}x${H} gives cell size $s"
L=$(((W - 121 * s) / 2))
T=$(((H - 33 - 81 * s) / 2 + 33))
echo "client ${W}x${H}, cell size $s, board at ($L, $T)"

# Colour of the main window's client pixel (x, y), as "r,g,b".
client_pixel() {
    import -window "$main" "$work/client.png"
    convert "$work/client.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}
# Pointer to the board pixel (x, y) of grid coordinates given in cells (may be fractional).
to_cell() {
    local x y
    x=$(awk -v c="$1" -v s="$s" -v l="$L" 'BEGIN { printf "%d", l + c * s }')
    y=$(awk -v c="$2" -v s="$s" -v t="$T" 'BEGIN { printf "%d", t + c * s }')
    xdotool mousemove --window "$main" "$x" "$y"
    sleep 0.05
}
# Pointer on the circle of radius r cells round grid point (cx, cy), at angle a degrees
# (counterclockwise on the screen from +x).
to_angle() {
    local x y
    x=$(awk -v cx="$1" -v r="$3" -v a="$4" 'BEGIN { printf "%.3f", cx + r * cos(a * atan2(0, -1) / 180) }')
    y=$(awk -v cy="$2" -v r="$3" -v a="$4" 'BEGIN { printf "%.3f", cy - r * sin(a * atan2(0, -1) / 180) }')
    to_cell "$x" "$y"
}

# Colour of the board pixel at grid point (x, y).
grid_pixel() { client_pixel $((L + $1 * s)) $((T + $2 * s)); }
# The lifted piece's outline is drawn by XOR with yellow: on the silver ground it shows blue.
outline="63,63,192"
expect_outline() { # expect_outline <step> <x> <y>: a vertex of the lifted outline at grid point (x, y)
    [ "$(grid_pixel "$2" "$3")" = "$outline" ] || { shot "$1-failed"; fail "$1: no outline at ($2, $3)"; }
}

# The layout is where it should be: silver just inside the board's corner, the black frame just
# outside it, and the parallelogram at home black.
[ "$(client_pixel $((L + 1)) $((T + 1)))" = "192,192,192" ] || fail "no board ground at ($L, $T)"
[ "$(client_pixel $((L - 1)) $((T - 1)))" = "0,0,0" ] || fail "no board frame at ($L, $T)"
[ "$(client_pixel $((L + 116 * s)) $((T + 43 * s)))" = "0,0,0" ] || fail "parallelogram not at home"
shot 1-start

# Lift the parallelogram with a press beside its reference point (the move zone) and drag it to
# the middle of the board with the button held.
to_cell 116.5 43.5
xdotool mousedown 1
sleep 0.3
shot 2-lifted
[ "$(client_pixel $((L + 116 * s)) $((T + 43 * s)))" = "192,192,192" ] ||
    fail "the lifted parallelogram is still drawn filled"
expect_outline lift 119 32
for c in 110 100 90 80 70 60; do
    to_cell "$c.5" "$(awk -v c="$c" 'BEGIN { printf "%.1f", 40.5 + (c - 60) * 3 / 56 }')"
done
to_cell 60.5 40.5
sleep 0.2
xdotool mouseup 1
sleep 0.3
shot 3-moved
expect_outline move 63 29

# Turn: press inside the piece 7 cells above and 1 to the right of its reference point (the turn
# zone, direction about 82 degrees), then circle the pointer clockwise to 45 degrees: two turn
# steps clockwise, from 14 through 15 to 0.
to_cell 61 33
xdotool mousedown 1
sleep 0.2
for a in 75 68 60 52 45; do to_angle 60 40 7.07 "$a"; done
sleep 0.2
xdotool mouseup 1
sleep 0.3
shot 4-turned
expect_outline turn 70 35

# Mirror with the right button: 0 becomes 16.
xdotool click 3
sleep 0.5
shot 5-mirrored
expect_outline mirror 50 35
[ "$(grid_pixel 70 35)" = "192,192,192" ] || fail "mirror: the outline before mirroring is left"

# Put it down with a press on empty board far from every piece.
to_cell 30.5 62.5
xdotool click 1
wait_for "the congratulation page" bash -c "[ \"\$(xdotool getactivewindow)\" != $main ] &&
    xdotool getactivewindow getwindowname | grep -q '^Wimbo Tangram$'"
sleep 0.5
shot 6-solved
page=$(xdotool getactivewindow)
[ "$(client_pixel $((L + 7 * s)) $((T + 42 * s)))" = "0,255,0" ] || fail "the square is not green"
[ "$(client_pixel $((L + 116 * s + 1)) $((T + 8 * s)))" = "0,255,0" ] ||
    fail "the large triangle is not green"
echo "page $page opened, pieces green"

# Close the page, then quit: the question first; Yes, and since the player chose no progress file
# the solved figure goes to the default progress file in the data folder, without a dialog.
xdotool key Return
wait_for "the page to close" bash -c "! xdotool search --onlyvisible --name '^Wimbo Tangram\$' | grep -qx $page"
sleep 0.3
quit_keeping_solved_figure "$main" 7-quit
echo "figure solved with lift, move, turn, mirror and put-down; progress kept as solved"
