#!/usr/bin/env bash
# Proves the package list complete: every CMake package config and GL
# library that a configured build found must belong to a package that
# scripts/packages.sh lists or that one of those hard-depends on. A package
# present on this machine only by luck (a Recommends, a developer's own
# install) fails here instead of on a fresh machine. Argument: build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
cache=${1:-build}/CMakeCache.txt

# Files the configure step used.
used=()
while IFS='=' read -r key dir; do
    name=${key%%_DIR:PATH}
    [ -f "$dir/${name}Config.cmake" ] && used+=("$dir/${name}Config.cmake")
done < <(grep -E '^Qt6[A-Za-z]*_DIR:PATH=' "$cache")
while IFS='=' read -r _ lib; do
    [ -f "$lib" ] && used+=("$(readlink -f "$lib")" "$lib")
done < <(grep -E '^OPENGL_(opengl|glx|glu)_LIBRARY:FILEPATH=' "$cache")
used+=(/usr/include/GL/gl.h /usr/include/GL/glu.h)

# Everything the listed packages pull in through Depends and Pre-Depends.
declare -A closure=()
queue=("${build_packages[@]}")
while [ ${#queue[@]} -gt 0 ]; do
    p=${queue[0]}; queue=("${queue[@]:1}")
    [ -n "${closure[$p]:-}" ] && continue
    closure[$p]=1
    deps=$(dpkg-query -W -f='${Depends}, ${Pre-Depends}' "$p" 2>/dev/null) || continue
    for d in $(tr ',|' '\n\n' <<<"$deps" | sed 's/(.*)//; s/:[a-z0-9]*//; s/ //g' | sort -u); do
        [ -n "$d" ] && [ -z "${closure[$d]:-}" ] && queue+=("$d")
    done
done

status=0
for f in "${used[@]}"; do
    owner=$(dpkg -S "$f" 2>/dev/null | head -1 | cut -d: -f1) || true
    if [ -z "$owner" ]; then
        echo "no package owns $f"; status=1
    elif [ -z "${closure[$owner]:-}" ]; then
        echo "$f comes from $owner, which scripts/packages.sh neither lists nor pulls in"; status=1
    fi
done
[ "$status" -eq 0 ] && echo "packages: the ${#used[@]} files the build configured against all come from the listed packages"
exit "$status"
