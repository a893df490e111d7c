#!/usr/bin/env bash
# Builds the Debian package build/sulvo_<version>_<arch>.deb from the Release build of build.sh, its library
# dependencies found by dpkg-shlibdeps. Install it with: apt-get install ./build/sulvo_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
dir=$(bash scripts/build.sh | tail -n 1)
rm -f "$dir"/sulvo_*.deb
(cd "$dir" && cpack -G DEB >&2)
ls "$PWD/$dir"/sulvo_*.deb
