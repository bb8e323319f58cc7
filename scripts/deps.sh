#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need and
# is missing (scripts/packages.sh lists them; extra names may be given).
# Quiet and quick when everything is there already.
set -euo pipefail
source "$(dirname "$0")/packages.sh"
packages=("${build_packages[@]}" "${test_packages[@]}" "${fuzz_packages[@]}" "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null >/dev/null
