#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time (exec until the main window is mapped) and resident memory one second later, for
# the game and for a bare Qt Widgets window built in the same tree, in one Xvfb + openbox session.
# Prints the medians of several runs and the ratios.
# usage: bench/startup.sh <build dir> [runs]
set -euo pipefail
build=$(readlink -f "$1")
runs=${2:-7}
# shellcheck source=tests/e2e/xsession.sh
. "$(dirname "$(readlink -f "$0")")/../tests/e2e/xsession.sh"

start_x_session

# A returning player: language chosen, so only the main window and its splash open.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/WimboGames"
printf '[V2]\ncommon\\tongue=0\ncommon\\sound=0\n' >"$XDG_CONFIG_HOME/WimboGames/WimboTangram.conf"

measure() { # measure <program> <window name> -> "milliseconds kilobytes"
    local start end pid rss
    start=$(date +%s%N)
    "$1" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --onlyvisible --pid "$pid" --name "^$2\$" >/dev/null 2>&1
    end=$(date +%s%N)
    sleep 1
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

for i in $(seq "$runs"); do
    measure "$build/bin/wimbo-tangram" "Wimbo Tangram" >>"$work/game"
    measure "$build/bench/bare_window" "Bare Window" >>"$work/bare"
done
gt=$(cut -d' ' -f1 "$work/game" | median); gm=$(cut -d' ' -f2 "$work/game" | median)
bt=$(cut -d' ' -f1 "$work/bare" | median); bm=$(cut -d' ' -f2 "$work/bare" | median)
echo "start-up median: game ${gt} ms, bare window ${bt} ms, ratio $(awk "BEGIN {printf \"%.2f\", $gt / $bt}")"
echo "memory median:   game ${gm} kB, bare window ${bm} kB, ratio $(awk "BEGIN {printf \"%.2f\", $gm / $bm}")"
