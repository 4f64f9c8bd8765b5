#!/usr/bin/env bash
# Installs the built suite into a temporary prefix and checks it as a user's
# system would see it: the installed tree, the desktop entry, the AppStream
# metadata and the MIME package validated by their own tools, and the
# installed program finding its data from there with an empty home folder.
# Usage: check_install.sh <build folder>
set -euo pipefail
build=$1
libdir=${2:-lib}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
app_id=com.vessaorrenic.LearningSuite
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
    bin/learning-suite
    $libdir/learning-suite/liblearning-suite-progress.so
    share/learning-suite/learn.dll
    share/learning-suite/keywords.dll
    share/applications/$app_id.desktop
    share/metainfo/$app_id.metainfo.xml
    share/mime/packages/$app_id.xml
    share/icons/hicolor/scalable/apps/$app_id.svg
)
for f in "${expected[@]}"; do
    [ -f "$prefix/$f" ] || fail "missing $f"
done
[ -x "$prefix/bin/learning-suite" ] || fail "bin/learning-suite is not executable"
# Nothing else is installed: no build tools, no test programs.
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$wanted") <(echo "$actual"))"

desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
grep -qx 'Exec=learning-suite %f' "$prefix/share/applications/$app_id.desktop" || fail "Exec line"
grep -qx 'MimeType=application/x-zodiac-yoga-reading;' "$prefix/share/applications/$app_id.desktop" ||
    fail "MimeType line"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "metainfo"
# The MIME package compiles, and *.zoy names the reading type.
cp -r "$prefix/share/mime" "$work/mime"
update-mime-database "$work/mime" || fail "update-mime-database"
grep -q 'application/x-zodiac-yoga-reading:\*\.zoy' "$work/mime/globs" || fail "*.zoy glob"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" || fail "icon is not SVG"

# The installed program, started by a new user (empty home, no XDG folders set).
home=$work/home
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
run() {
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" "$@"
}
out=$(run "$prefix/bin/learning-suite" --data-paths) || fail "--data-paths did not find the data: $out"
grep -q "learn.dll: $prefix/share/learning-suite/learn.dll" <<<"$out" || fail "learn.dll not found in share: $out"
grep -q "keywords.dll: $prefix/share/learning-suite/keywords.dll" <<<"$out" || fail "keywords.dll: $out"
grep -q "Your files: $home/.local/share/learning-suite" <<<"$out" || fail "user folder: $out"
version=$(run "$prefix/bin/learning-suite" --version)
[[ "$version" =~ ^learning-suite\ [0-9]+\.[0-9]+$ ]] || fail "--version printed '$version'"

# The suite itself starts from the installed path with a saved reading and keeps
# running until stopped (exit 124 from timeout), writing nothing under the prefix.
# ANNA, 21, March, 1980 as the suite saves it: each character shifted up by 7, CR LF lines.
printf 'HUUH\r\n98\r\nThyjo\r\n8@?7\r\n' >"$work/reading.zoy"
touch "$work/marker"
sleep 1
status=0
run timeout 6 "$prefix/bin/learning-suite" "$work/reading.zoy" >"$work/gui.log" 2>&1 || status=$?
[ "$status" = 124 ] || fail "the suite ended with status $status: $(cat "$work/gui.log")"
written=$(find "$prefix" -newer "$work/marker" -type f)
[ -z "$written" ] || fail "the program wrote into its install folder: $written"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed tree, desktop entry, metainfo, MIME package and installed program: all checks passed"
