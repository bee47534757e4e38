#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the game against a bare Qt Widgets window built in the same tree, in one Xvfb +
# openbox session: wall time from exec until the main window is viewable, CPU time used until
# then, and RSS and PSS one second later. bench/startup_probe starts each program and finds its
# main window by process id and window role, told by the X server as soon as it is viewable.
# Runs alternate between the two programs so that a change in the machine's load hits both; every
# figure is a median with its spread (lowest..highest). Two cases: a first start (no settings at
# all, so the language dialog follows the main window) and a later start (settings of a returning
# player, sound on).
# usage: bench/startup.sh <build dir> [rounds]
set -euo pipefail
build=$(readlink -f "$1")
rounds=${2:-15}
probe="$build/bench/startup_probe"
# shellcheck source=tests/e2e/xsession.sh
. "$(dirname "$(readlink -f "$0")")/../tests/e2e/xsession.sh"

start_x_session
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

later="$work/later"
mkdir -p "$later/WimboGames"
printf '[V2]\ncommon\\tongue=0\n' >"$later/WimboGames/WimboTangram.conf"

# run <case> <name> <program>: one measurement appended to $work/<case>-<name>
run() {
    local config="$later"
    if [ "$1" = first ]; then
        config=$(mktemp -d "$work/first.XXXX")
    fi
    XDG_CONFIG_HOME="$config" "$probe" main "$3" >>"$work/$1-$2"
}

for _ in $(seq "$rounds"); do
    for case in first later; do
        run "$case" game "$build/bin/wimbo-tangram"
        run "$case" bare "$build/bench/bare_window"
    done
done

# stats <file> <column>: "median lowest highest"
stats() {
    cut -d' ' -f"$2" "$1" | sort -g | awk '{a[NR] = $1}
        END {m = (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2
             print m, a[1], a[NR]}'
}
echo "medians of $rounds interleaved runs (lowest..highest); ratio = game / bare window"
for case in first later; do
    echo "$case start:"
    for column in 1:"wall ms" 2:"CPU ms" 3:"RSS kB" 4:"PSS kB"; do
        read -r gm gl gh < <(stats "$work/$case-game" "${column%%:*}")
        read -r bm bl bh < <(stats "$work/$case-bare" "${column%%:*}")
        printf '  %-7s game %8s (%s..%s)  bare %8s (%s..%s)  ratio %.2f\n' "${column#*:}" \
            "$gm" "$gl" "$gh" "$bm" "$bl" "$bh" "$(awk "BEGIN {print $gm / $bm}")"
    done
done
