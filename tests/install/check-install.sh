#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a packager and a desktop expect of it: the
# files in their places, valid desktop and AppStream files, and an installed program that answers
# --version without a display and keeps its tasks in the per-user data folder.
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

id=example.halvering.Corvane
expected=(
    bin/corvane
    share/corvane/alarm.wav
    share/corvane/corvane.html
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg
    share/doc/corvane/copyright
    share/doc/corvane/changelog.gz
    share/man/man1/corvane.1.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
    [ -f "$prefix/$f" ] || { echo "missing from the install tree: $f"; exit 1; }
done

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null

got=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/corvane" --version)
[ "$got" = "Corvane $version" ] || { echo "--version printed '$got'"; exit 1; }
if "$prefix/bin/corvane" --no-such-option >/dev/null 2>&1; then
    echo "an unknown option did not fail"
    exit 1
else
    [ $? -eq 2 ] || { echo "an unknown option did not exit with status 2"; exit 1; }
fi

# Started for real, the installed program keeps its files in the per-user data folder, not beside itself.
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_CONFIG_HOME=$work/home/.config
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
"$prefix/bin/corvane" >"$work/run.log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
    [ -e "$XDG_DATA_HOME/Corvane/corvane.lock" ] && break
    sleep 0.2
done
[ -e "$XDG_DATA_HOME/Corvane/corvane.lock" ] || { echo "no data folder in $XDG_DATA_HOME"; cat "$work/run.log"; exit 1; }
extra=$(find "$prefix" -newer "$prefix/bin/corvane" -type f | grep -v '/share/' || true)
[ -z "$extra" ] || { echo "the installed program wrote beside itself: $extra"; exit 1; }
echo "install tree and desktop files are good"
