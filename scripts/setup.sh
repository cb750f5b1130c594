#!/usr/bin/env bash
# Installs the Debian 12 packages the game needs to build, run and be tested.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ clang pkgconf git python3
    qt6-base-dev qt6-base-dev-tools libpulse-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev clang-format
    libwayland-dev
    # the sanitized build: Clang's sanitizer runtimes, and the symbolizer that
    # names the functions in their reports (the leak checker's suppressions
    # match those names)
    libclang-rt-14-dev llvm
    # run, on X11 and on Wayland (the sound effects play through libpulse0, which
    # talks to PulseAudio or PipeWire's stand-in for it)
    qt6-qpa-plugins qt6-wayland fonts-ocr-a fonts-dejavu-core libpulse0
    # test: a real X server, key input and screenshots, a sound server to record from
    xvfb xauth xdotool x11-utils imagemagick libxcb1-dev
    pulseaudio pulseaudio-utils sox
    # test: Wayland compositors (one that draws title bars, one that leaves them
    # to the program) with key input, screenshots and X11 through XWayland
    sway wtype grim weston xwayland
    # package and check the desktop files and the Windows resources; check the
    # package and its program as Debian checks its own (lintian, hardening-check)
    dpkg-dev file desktop-file-utils appstream binutils-mingw-w64-x86-64 lintian devscripts
    strip-nondeterminism
    # the Windows program: cross-compiled, tested under Wine on a virtual display
    # with a window manager and in Wine's own virtual desktop, with Wine's own
    # fonts for title bars and dialogs, packed into an installer
    g++-mingw-w64-x86-64-posix googletest wine wine64 fonts-wine openbox nsis
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
