#!/usr/bin/env bash
# Installs a built tree into a staging folder and checks what a packager
# gets: the files, the desktop entry and AppStream metadata (validated), and
# a .deb that installs and whose program starts. Argument: the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
id=org.transposeswitch.TransposeSwitch

cmake --install "$build" --prefix "$stage/usr" >/dev/null
for f in bin/transpose-switch share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
         share/icons/hicolor/256x256/apps/$id.png share/man/man1/transpose-switch.1; do
    [ -e "$stage/usr/$f" ] || { echo "missing from the install: $f"; exit 1; }
done
desktop-file-validate "$stage/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml" >/dev/null
echo "install: files present, desktop entry and metainfo valid"

(cd "$build" && cpack -G DEB >/dev/null 2>&1) || { echo "cpack failed"; exit 1; }
deb=$(ls -t "$build"/transpose-switch_*.deb | head -1)
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in *libqt6*) ;; *) echo "package Depends lacks the Qt libraries: $depends"; exit 1 ;; esac
echo "package: $(basename "$deb"), Depends: $depends"

# Installing it system-wide needs root; elsewhere the package check ends here.
[ "$(id -u)" -eq 0 ] || { echo "not root: the package was built but not installed"; exit 0; }
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "./$deb" </dev/null >/dev/null 2>&1 || { echo "apt-get could not install $deb"; exit 1; }
status=0
out=$(QT_QPA_PLATFORM=minimal /usr/bin/transpose-switch 2>&1) || status=$?
warnings=$(grep -c "^This system has no OpenGL support. Exiting.$" <<<"$out" || true)
TS_QUIET_XVFB=1 bash scripts/xrun.sh bash -c '/usr/bin/transpose-switch & pid=$!; sleep 3; kill -0 $pid && kill $pid' \
    || { echo "the installed program did not keep running"; status=1; }
apt-get remove -y -qq transpose-switch </dev/null >/dev/null 2>&1
if [ "$status" -ne 255 ] || [ "$warnings" -ne 1 ]; then
    echo "the installed program did not start as expected (status $status): $out"
    exit 1
fi
echo "package: installed, started under X and refused cleanly without OpenGL"
