#!/usr/bin/env bash
# Sets everything up and starts Sulvo (under Xvfb when no display is present).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
if [ -x build/bin/sulvo ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/sulvo
    fi
    exec build/bin/sulvo
fi
build/bin/sulvo-calc --help
