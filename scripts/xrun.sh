#!/usr/bin/env bash
# Runs a command on the current display, or on a private Xvfb when there is none.
set -euo pipefail
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
[ -n "${TS_QUIET_XVFB:-}" ] || echo "No display: running under Xvfb" >&2
exec xvfb-run -a -s "-screen 0 2560x2048x24 -nolisten tcp" "$@"
