# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the real-window tests that play one figure to the end: the figure, waiting and failing
# with the game's output, and quitting with the solved figure kept. Source it after xsession.sh;
# set game_pid once the game runs.

# A library of one 22-byte record of category 0, then column, row and orientation of pieces 1..7:
# pieces 1..6 where they start, the parallelogram at (60, 40) in orientation 16. It starts at
# (116, 43) in orientation 14; no turn alone reaches 16 (turns keep the mirror half 0..15) and the
# mirror of 14 is 18, so the figure needs a turn to 0 (or 8) and a mirror.
write_one_figure_library() { # <kelm.dat to replace>
    local record="0  117 71 6  111 77 10  7 74 4  8 8 8  113 8 12  7 42 0  60 40 16" byte
    for byte in $record; do
        # shellcheck disable=SC2059 # the format is the byte itself, as an octal escape
        printf "\\$(printf %03o "$byte")"
    done >"$1"
    [ "$(stat -c %s "$1")" = 22 ] || { echo "crafted library is not 22 bytes"; exit 1; }
}

fail() { echo "$*"; echo "--- game output:"; cat "$work/game.log"; exit 1; }
wait_for() { # wait_for <what> <command...>
    local what=$1; shift
    for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    fail "timed out waiting for $what"
}

# Quits with ctrl+q and Yes: the game ends without a save dialog, and the default progress file
# holds one byte for the one figure, category 0, status 8 (solved, no help).
quit_keeping_solved_figure() { # <main window> <name of the screenshot of the question>
    xdotool windowactivate --sync "$1" key ctrl+q
    wait_for "the quit question" bash -c "[ \"\$(xdotool getactivewindow)\" != $1 ]"
    sleep 0.5
    shot "$2"
    xdotool key Return
    for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game_pid" 2>/dev/null && { shot "$2-not-ended"; fail "the game did not end"; }
    local saved="$XDG_DATA_HOME/WimboGames/Wimbo Tangram/progress.pzs" progress
    [ -f "$saved" ] || fail "no default progress file saved"
    progress=$(od -An -tx1 "$saved" | tr -d ' \n')
    [ "$progress" = 08 ] || fail "the default progress file holds '$progress', not 08"
}
