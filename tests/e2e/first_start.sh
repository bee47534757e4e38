#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A new player's first start, in a real X server with a window manager, driven by xdotool: the
# installed game shows the splash, then the language dialog; choosing German and quitting with
# Yes ends the program and leaves the language and the window placement in the settings.
# usage: first_start.sh <build dir> <screenshot dir>
set -euo pipefail
build=$1
shots=$2
mkdir -p "$shots"
# shellcheck source=tests/e2e/xsession.sh
. "$(dirname "$(readlink -f "$0")")/xsession.sh"

install_game "$build"

start_x_session

export XDG_CONFIG_HOME="$work/config"
export HOME="$work/home"
mkdir -p "$HOME"
"$game" >"$work/game.log" 2>&1 & game_pid=$!
pids+=($game_pid)

wait_for() { # wait_for <what> <command...>
    local what=$1; shift
    for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "timed out waiting for $what"; cat "$work/game.log"; exit 1
}

# The splash comes first: the borderless window whose role says so.
wait_for "the splash" bash -c 'for w in $(xdotool search --onlyvisible --name "Wimbo Tangram" 2>/dev/null); do
    xprop -id "$w" WM_WINDOW_ROLE 2>/dev/null | grep -q "\"splash\"" && exit 0; done; exit 1'
import -window root "$shots/1-splash.png"

# Then, since no language was chosen yet, the language dialog.
wait_for "the language dialog" xdotool search --onlyvisible --name "^Wimbo Tangram V2.7$"
sleep 0.5
import -window root "$shots/2-language.png"
dialog=$(xdotool search --onlyvisible --name "^Wimbo Tangram V2.7$" | head -1)
xdotool windowactivate --sync "$dialog" key Tab key space
wait_for "the language dialog to close" bash -c '! xdotool search --onlyvisible --name "^Wimbo Tangram V2.7$"'
sleep 0.5
import -window root "$shots/3-german.png"

# Quit: the question appears; Yes ends the program.
main=$(xdotool search --onlyvisible --name "^Wimbo Tangram$" | head -1)
xdotool windowactivate --sync "$main" key ctrl+q
sleep 1
import -window root "$shots/4-quit-question.png"
xdotool key Return
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then echo "the game did not end"; exit 1; fi

settings=$(find "$XDG_CONFIG_HOME" -name '*.conf' | head -1)
[ -n "$settings" ] || { echo "no settings written"; exit 1; }
grep -qE '(^|[\\])tongue=1$' "$settings" || { echo "tongue is not 1:"; cat "$settings"; exit 1; }
grep -qE '(^|[\\])MainForm=' "$settings" || { echo "no window placement:"; cat "$settings"; exit 1; }
echo "first start: splash, language dialog, German chosen, quit with Yes, settings written"
