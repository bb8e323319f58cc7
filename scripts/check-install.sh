#!/usr/bin/env bash
# Checks what a packager gets from a built tree: the installed files, the
# desktop entry and AppStream metadata (validated), and a lintian-clean .deb
# whose unpacked program starts and which apt would install. It never
# installs, upgrades or removes a package on this machine: a real install
# belongs in a throwaway system. Argument: the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
id=org.transposeswitch.TransposeSwitch
installed_before=$(dpkg-query -W -f='${Status} ${Version}' transpose-switch 2>/dev/null || true)

cmake --install "$build" --prefix "$scratch/stage/usr" >/dev/null
for f in bin/transpose-switch share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
         share/icons/hicolor/256x256/apps/$id.png share/man/man1/transpose-switch.1.gz \
         share/doc/transpose-switch/copyright share/doc/transpose-switch/changelog.gz \
         share/mime/packages/$id.xml share/transpose-switch/lessons/2-dead-ends.tslesson \
         share/transpose-switch/translations/transpose-switch_de.qm \
         share/transpose-switch/translations/transpose-switch_zh_CN.qm; do
    [ -e "$scratch/stage/usr/$f" ] || { echo "missing from the install: $f"; exit 1; }
done
desktop-file-validate "$scratch/stage/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$scratch/stage/usr/share/metainfo/$id.metainfo.xml" >/dev/null
# The lesson type as file managers will know it, from the installed files alone.
mkdir -p "$scratch/mime/packages"
cp "$scratch/stage/usr/share/mime/packages/$id.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" >/dev/null 2>&1
grep -q '^application/x-transpose-switch-lesson:\*\.tslesson$' "$scratch/mime/globs" \
    || { echo "the lesson type is not registered by its glob"; exit 1; }
# Each example lesson opens and draws, at the size the lesson export takes.
for lesson in "$scratch"/stage/usr/share/transpose-switch/lessons/*.tslesson; do
    TS_QUIET_XVFB=1 LIBGL_ALWAYS_SOFTWARE=1 bash scripts/xrun.sh "$scratch/stage/usr/bin/transpose-switch" "$lesson" \
        --export "$scratch/lesson.png" --image-size 320x240 || { echo "example lesson failed: $lesson"; exit 1; }
done
echo "install: files present, desktop entry, metainfo and lesson type valid, example lessons open"

(cd "$build" && cpack -G DEB >/dev/null 2>&1) || { echo "cpack failed"; exit 1; }
deb=$(ls -t "$build"/transpose-switch_*.deb | head -1)
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in *libqt6*) ;; *) echo "package Depends lacks the Qt libraries: $depends"; exit 1 ;; esac
echo "package: $(basename "$deb"), Depends: $depends"

# Errors and warnings both fail; lintian's own note about running as root
# is not about the package.
lint_status=0
lint=$(lintian --fail-on error,warning "$deb" 2>&1) || lint_status=$?
lint=$(grep -v 'running with root privileges' <<<"$lint" || true)
[ "$lint_status" -eq 0 ] && [ -z "$lint" ] || { echo "lintian ($lint_status): $lint"; exit 1; }
echo "package: lintian reports nothing"

apt-get install --simulate -qq "./$deb" </dev/null >"$scratch/simulate.log" 2>&1 \
    || { echo "apt would not install $deb:"; cat "$scratch/simulate.log"; exit 1; }
echo "package: apt would install it (simulated)"

# The packaged program itself, unpacked: it keeps running under X, and it
# refuses cleanly (status 255, one warning) where no OpenGL can be had.
dpkg-deb -x "$deb" "$scratch/root"
program=$scratch/root/usr/bin/transpose-switch
status=0
out=$(QT_QPA_PLATFORM=minimal "$program" 2>&1) || status=$?
warnings=$(grep -c "^This system has no OpenGL support. Exiting.$" <<<"$out" || true)
if [ "$status" -ne 255 ] || [ "$warnings" -ne 1 ]; then
    echo "the packaged program did not refuse as expected (status $status): $out"
    exit 1
fi
TS_QUIET_XVFB=1 bash scripts/xrun.sh bash -c '"$1" & pid=$!; sleep 3; kill -0 $pid && kill $pid' _ "$program" \
    || { echo "the packaged program did not keep running"; exit 1; }
echo "package: its program started under X and refused cleanly without OpenGL"

installed_after=$(dpkg-query -W -f='${Status} ${Version}' transpose-switch 2>/dev/null || true)
[ "$installed_before" = "$installed_after" ] \
    || { echo "the system's transpose-switch changed: '$installed_before' -> '$installed_after'"; exit 1; }
