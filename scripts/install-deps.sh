#!/usr/bin/env bash
# Installs every Debian package Sulvo needs to build, test, run and be looked at. Idempotent:
# apt-get runs only when something is missing.
set -euo pipefail
PACKAGES=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-charts-dev qt6-translations-l10n libgl-dev libqt6opengl6-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    desktop-file-utils appstream shared-mime-info dpkg-dev file
    xvfb xauth xdotool imagemagick poppler-utils fonts-liberation2 fonts-dejavu-core
    clang libclang-rt-14-dev
)
missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
