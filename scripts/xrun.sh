#!/usr/bin/env bash
# Runs a command on the current display, or on a private Xvfb when there is none.
set -euo pipefail
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
    mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
fi
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
[ -n "${TS_QUIET_XVFB:-}" ] || echo "No display: running under Xvfb" >&2
exec xvfb-run -a -s "-screen 0 2560x2048x24 -nolisten tcp" "$@"
