# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the real-window tests and the start-up benchmark: a scratch folder, a private X server
# on a display number it picks itself, and the openbox window manager; everything started is
# ended again when the calling script exits. Source it, then call `start_x_session`.
# Sets: work (the scratch folder), pids (what to end), DISPLAY; install_game sets game.

work=$(mktemp -d)
pids=()
cleanup_x_session() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup_x_session EXIT

start_x_session() {
    Xvfb -displayfd 3 -screen 0 "${WT_SCREEN:-1280x800}x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
    DISPLAY=":$(head -1 "$work/display")"
    export DISPLAY
    for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
}

# Installs the build into the scratch folder the way a packager would and points `game` at the
# link in bin/, so the tests also prove the game finds its data through that link.
install_game() {
    cmake --install "$1" --prefix "$work/prefix" >/dev/null
    game="$work/prefix/bin/wimbo-tangram"
    [ -L "$game" ] || { echo "no link in bin"; exit 1; }
}
