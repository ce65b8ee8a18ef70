#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a user find
# there: the executables, the menu entry and its icon at every hicolor size, the
# software-centre entry naming that menu entry, the samples and the user guide, and the
# launcher that makes a working folder from the samples without ever overwriting one.
# Then the desktop's own validators judge the two entries. A validator that is not
# installed is skipped with a note (exit 77) once everything else has passed.
#
# install_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1
source=$2
id=org.example.SngTarvo

top=$(mktemp -d)
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null
        wait "$program_pid" 2>/dev/null
    fi
    rm -rf "$top"
}
trap cleanup EXIT
prefix=$top/prefix
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

if ! cmake --install "$build" --prefix "$prefix" >"$top/install.log" 2>&1; then
    cat "$top/install.log"
    echo "FAILED: cmake --install"
    exit 1
fi

for file in sng-tarvo sng-tarvo-help sng-tarvo-start; do
    [ -x "$prefix/bin/$file" ] || fail "bin/$file is not an installed executable"
done
share=$prefix/share/sng-tarvo
for file in tarvo.ini tarvo.sat tarvo.loc; do
    cmp -s "$source/samples/$file" "$share/samples/$file" || fail "samples/$file differs from the source's"
done
cmp -s "$source/samples/tarvo.hlp" "$share/tarvo.hlp" || fail "the user guide differs from the source's"

# The menu entry names its icon; the theme holds it at each size folder's own size.
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "no menu entry $desktop"
[ -f "$metainfo" ] || fail "no software-centre entry $metainfo"
icon=$(sed -n 's/^Icon=//p' "$desktop" 2>/dev/null)
[ -n "$icon" ] || fail "the menu entry names no icon"
png_size() {  # width x height from the PNG header
    od -An -tu4 --endian=big -j16 -N8 "$1" | awk '{ print $1 "x" $2 }'
}
sizes=0
for folder in "$prefix"/share/icons/hicolor/*x*; do
    size=${folder##*/}
    file=$folder/apps/$icon.png
    if [ -f "$file" ]; then
        sizes=$((sizes + 1))
        [ "$(png_size "$file")" = "$size" ] || fail "$file is $(png_size "$file"), not $size"
    else
        fail "no $icon.png in $folder/apps"
    fi
done
[ "$sizes" -ge 4 ] || fail "the icon comes at only $sizes sizes"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"

# The software-centre entry is the menu entry's: same id, same desktop file.
grep -q "<id>$id</id>" "$metainfo" || fail "the software-centre entry's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the software-centre entry does not launch $id.desktop"
exec_command=$(sed -n 's/^Exec=//p' "$desktop" 2>/dev/null)
[ -x "$prefix/bin/${exec_command%% *}" ] || fail "the menu entry starts '$exec_command', which is not installed"

# start_launcher: runs bin/sng-tarvo-start with TARVO_WORKDIR and waits until it has
# become the program (it ends in exec), so that the working folder is ready.
work=$top/work
start_launcher() {
    (export TARVO_WORKDIR=$work QT_QPA_PLATFORM=offscreen && exec "$prefix/bin/sng-tarvo-start") \
        >"$top/launcher.log" 2>&1 &
    program_pid=$!
    for _ in $(seq 100); do
        [ "$(readlink "/proc/$program_pid/exe" 2>/dev/null)" = "$prefix/bin/sng-tarvo" ] && return 0
        sleep 0.1
    done
    cat "$top/launcher.log"
    fail "sng-tarvo-start did not start $prefix/bin/sng-tarvo"
    return 1
}
stop_launcher() {
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
    program_pid=
}

if start_launcher; then
    for file in tarvo.ini tarvo.sat tarvo.loc tarvo.hlp; do
        cmp -s "$source/samples/$file" "$work/$file" || fail "the new working folder's $file is not the sample"
    done
    [ "$(readlink "/proc/$program_pid/cwd")" = "$work" ] || fail "the program does not run in $work"
    stop_launcher
fi
# A second start keeps the user's catalogue and settings and brings the guide anew.
printf 'changed by the user\r\n' >"$work/tarvo.sat"
rm -f "$work/tarvo.hlp"
if start_launcher; then
    [ "$(cat "$work/tarvo.sat")" = $'changed by the user\r' ] || fail "a second start overwrote tarvo.sat"
    cmp -s "$source/samples/tarvo.hlp" "$work/tarvo.hlp" || fail "a second start did not bring the user guide"
    stop_launcher
fi

missing=()
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
else
    missing+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
else
    missing+=(appstreamcli)
fi

[ "$failures" -eq 0 ] || exit 1
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIPPED: not installed: ${missing[*]} (packages desktop-file-utils, appstream)"
    exit 77
fi
echo "installed files and both validators: all passed"
