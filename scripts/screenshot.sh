#!/usr/bin/env bash
# Makes the README's picture with the real program: builds, then drives the
# main window into a teaching state and saves it as docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target transpose-switch-shot
mkdir -p docs
LIBGL_ALWAYS_SOFTWARE=1 bash scripts/xrun.sh ./build/tools/transpose-switch-shot docs/screenshot.png \
    --rotate 30,330 --check ik_hilite --check kj_hilite --check ji_plane --wires all --offsets 1,0,0 \
    --mark 1,3,left --mark 2,0,middle --mark 0,1,right "$@"
echo "saved docs/screenshot.png"
