#!/usr/bin/env bash
# Builds the Debian package of the build tree with cpack into a temporary folder and
# checks it without installing it: its control fields (name, version, architecture, and
# a Depends line naming the package of every library the executables link, the Qt 6
# libraries among them and, once the program links them, GeographicLib and ERFA, each
# by its run-time package, and the fonts, with no -dev package), and its files against
# package_contents.txt (each listed file there with its mode, owner and, for copies of
# the source tree or of files the build makes, such as the magnetic model, its bytes;
# executables stripped; nothing unlisted; all under /usr).
# Where a packaging tool is not installed it reports which and exits 77 (skipped).
#
# package_test.sh BUILD_DIR SOURCE_DIR VERSION
set -uo pipefail
build=$1
source=$2
version=$3
contents_list=$source/tests/app/package_contents.txt

# What cpack needs (the packaging check names it), and what this test reads with.
if ! missing=$(cmake -P "$source/cmake/TarvoCPackChecks.cmake" 2>&1); then
    echo "SKIPPED: $(tr -s ' \n' ' ' <<<"${missing#*(message):}")"
    exit 77
fi
for tool in dpkg-deb dpkg-query readelf ldd; do
    command -v "$tool" >/dev/null || {
        echo "SKIPPED: $tool is not installed"
        exit 77
    }
done

top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

if ! cpack --config "$build/CPackConfig.cmake" -B "$top/out" >"$top/cpack.log" 2>&1; then
    cat "$top/cpack.log"
    echo "FAILED: cpack"
    exit 1
fi
debs=("$top"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || {
    cat "$top/cpack.log"
    echo "FAILED: cpack made ${#debs[@]} packages: ${debs[*]##*/}"
    exit 1
}
deb=${debs[0]}
architecture=$(dpkg --print-architecture)
[ "${deb##*/}" = "sng-tarvo_${version}_${architecture}.deb" ] \
    || fail "the package file is ${deb##*/}, not sng-tarvo_${version}_${architecture}.deb"

# Control fields.
dpkg-deb --info "$deb" >"$top/info" || fail "dpkg-deb --info cannot read the package"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = sng-tarvo ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$architecture" ] \
    || fail "Architecture is '$(field Architecture)', not $architecture"
depends=$(field Depends)
echo "Depends: $depends"
# The package names of the Depends line, without versions and alternatives' bars.
depends_names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/ //g' | grep -v '^$' | sort -u)
depends_on() { grep -qx -- "$1" <<<"$depends_names"; }
# The look list's fonts are no library, so nothing finds them for the package.
depends_on fonts-liberation || fail "Depends does not name fonts-liberation"
dev=$(grep -- '-dev$' <<<"$depends_names" | tr '\n' ' ')
[ -z "$dev" ] || fail "Depends names development packages: $dev"

# Files: the listing, then the files themselves, unpacked into the temporary folder.
dpkg-deb --contents "$deb" >"$top/listing" || fail "dpkg-deb --contents cannot read the package"
unpacked=$top/unpacked
dpkg-deb --extract "$deb" "$unpacked" || fail "dpkg-deb --extract cannot unpack the package"
# path -> "mode owner", for the regular files and links of the listing.
declare -A listed_mode
while read -r mode owner _ _ _ path _; do
    path=${path#./}
    case $mode in
    d*) [[ "$path" == usr/* || "$path" == usr/ || -z "$path" ]] \
        || fail "the package makes the folder /$path outside /usr" ;;
    *) listed_mode[$path]="$mode $owner" ;;
    esac
    [ "$owner" = root/root ] || fail "/$path belongs to $owner, not root/root"
done <"$top/listing"

declare -A expected
while read -r kind path copy_of; do
    [[ -z "$kind" || "$kind" == \#* ]] && continue
    expected[$path]=1
    actual=${listed_mode[$path]:-}
    if [ -z "$actual" ]; then
        fail "the package lacks /$path"
        continue
    fi
    case $kind in
    exe)
        [ "${actual%% *}" = -rwxr-xr-x ] || fail "/$path has mode ${actual%% *}, not -rwxr-xr-x"
        if LC_ALL=C file -b "$unpacked/$path" | grep -q '^ELF'; then
            LC_ALL=C file -b "$unpacked/$path" | grep -q ', stripped' \
                || fail "/$path is not stripped"
        fi
        ;;
    file)
        [ "${actual%% *}" = -rw-r--r-- ] || fail "/$path has mode ${actual%% *}, not -rw-r--r--"
        if [ -n "$copy_of" ]; then
            cmp -s "$source/$copy_of" "$unpacked/$path" || fail "/$path differs from $copy_of"
        fi
        ;;
    built)
        [ "${actual%% *}" = -rw-r--r-- ] || fail "/$path has mode ${actual%% *}, not -rw-r--r--"
        if [ ! -f "$build/$copy_of" ]; then
            fail "package_contents.txt: the build made no $copy_of for /$path"
        elif ! cmp -s "$build/$copy_of" "$unpacked/$path"; then
            fail "/$path differs from the build's $copy_of"
        fi
        ;;
    *) fail "package_contents.txt: unknown kind '$kind' for $path" ;;
    esac
done <"$contents_list"
for path in "${!listed_mode[@]}"; do
    [ -n "${expected[$path]:-}" ] \
        || fail "the package holds /$path, which package_contents.txt does not list"
done

# owning_package LIBRARY_PATH: the installed Debian package that holds the library, as
# dpkg knows its path (with /usr merged into /, a library is found under either).
owning_package() {
    local candidate owner
    for candidate in "$1" "$(realpath "$1")" "/usr${1#/usr}" "${1#/usr}"; do
        owner=$(dpkg-query -S "$candidate" 2>/dev/null | grep -v '^diversion' | head -n1)
        [ -n "$owner" ] && {
            owner=${owner%%: *}
            echo "${owner%%:*}"
            return 0
        }
    done
    return 1
}
# Every library an executable links directly comes with a package the Depends line names.
declare -A linked  # soname -> the package that holds it
for path in "${!listed_mode[@]}"; do
    file=$unpacked/$path
    LC_ALL=C file -b "$file" | grep -q '^ELF.*dynamically linked' || continue
    while read -r library; do
        location=$(ldd "$file" | awk -v lib="$library" '$1 == lib && $2 == "=>" { print $3 }')
        if [ -z "$location" ] || [ "$location" = "not" ]; then
            fail "/$path links $library, which is not found"
            continue
        fi
        if ! owner=$(owning_package "$location"); then
            fail "/$path links $location, which belongs to no Debian package"
            continue
        fi
        linked[$library]=$owner
        depends_on "$owner" || fail "/$path links $library of $owner, which Depends does not name"
    done < <(readelf -d "$file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
done

# The libraries the program is built with, each with the run-time package Debian keeps
# it in: the executables link that library, from that package, and the Depends line
# names the package. "always" is linked by the program as it stands; "linked" is
# checked wherever an executable links it (the pointing aid's libraries, which the
# program takes in with the windows that use them), and its absence is reported.
#   SONAME (glob)            PACKAGE (regex)            WHEN
while read -r soname_glob package_pattern when; do
    [ -n "$soname_glob" ] || continue
    found=
    for library in "${!linked[@]}"; do
        # shellcheck disable=SC2053  # the glob is meant
        [[ $library == $soname_glob ]] || continue
        found=1
        owner=${linked[$library]}
        [[ $owner =~ ^${package_pattern}$ ]] \
            || fail "$library comes from $owner, not from a package $package_pattern"
    done
    if [ -z "$found" ]; then
        if [ "$when" = always ]; then
            fail "no executable links $soname_glob"
        else
            echo "note: no executable links $soname_glob yet, so Depends need not name $package_pattern"
        fi
    fi
done <<'TABLE'
libQt6Core.so.6          libqt6core6                always
libQt6Gui.so.6           libqt6gui6                 always
libQt6Widgets.so.6       libqt6widgets6             always
libQt6PrintSupport.so.6  libqt6printsupport6        always
libQt6Svg.so.6           libqt6svg6                 always
libQt6Network.so.6       libqt6network6             always
libGeographicLib.so.*    libgeographiclib[0-9]+     linked
liberfa.so.*             liberfa[0-9]+              linked
TABLE

[ "$failures" -eq 0 ] || exit 1
echo "the package ${deb##*/}: control fields and ${#expected[@]} files as listed: all passed"
