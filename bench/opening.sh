#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The opening animation's cost to the X server and its length, idle and with the program's thread
# kept busy 8 ms of every 10 (a loaded machine), in an Xvfb + openbox session; medians of several
# runs. The animation should last 0.48 s either way.
# usage: bench/opening.sh <build dir> [runs]
set -euo pipefail
build=$(readlink -f "$1")
runs=${2:-5}
# shellcheck source=tests/e2e/xsession.sh
. "$(dirname "$(readlink -f "$0")")/../tests/e2e/xsession.sh"
start_x_session
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
median() { sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
for busy in 0 8; do
    : >"$work/runs"
    for _ in $(seq "$runs"); do "$build/bench/opening_bench" --busy "$busy" >>"$work/runs"; done
    echo "busy ${busy} ms of 10: damage rectangles $(cut -d' ' -f1 "$work/runs" | median)," \
         "drawn for $(cut -d' ' -f2 "$work/runs" | median) ms (medians of $runs)"
done
