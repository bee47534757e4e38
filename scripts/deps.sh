# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages of the build, the game and the tests, and the installer of those missing.
# Sourced by ./play, which needs only what builds and runs the game, and by ./check, which adds
# what the tests, the benchmarks and the real-window checks use.

wt_game_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 libgl-dev libxcb-shape0-dev
    # lupdate and lrelease for the game's translations; Qt's own German texts
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)
wt_check_packages=(
    "${wt_game_packages[@]}"
    libgtest-dev libgmock-dev libbenchmark-dev libxcb-damage0-dev
    xvfb xauth openbox xdotool x11-utils imagemagick fonts-dejavu-core
    desktop-file-utils appstream
    clang-14 libclang-rt-14-dev
    hunspell hunspell-en-us hunspell-de-de
    # the Debian package: built, checked with lintian, installed and started (tools/check-package)
    debhelper dpkg-dev lintian
)

wt_install_missing() {
    local missing=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
