#!/usr/bin/env bash
# Proves the README's installation on fresh Debian 12 machines. It debootstraps a
# minimal bookworm root into build-fresh-debian/ and, in it, as a new user would:
#   1. clones this repository (its committed HEAD; uncommitted changes stay out) and
#      runs the commands of the README's "On a fresh Debian 12" block, in order, as
#      they stand there: they make and install the package;
#   2. starts sng-tarvo from the PATH in an empty folder on an Xvfb server: the splash
#      window, then the question whether to rebuild tarvo.ini, answered Yes, after which
#      the folder holds the 14 lines of a rebuilt tarvo.ini.
# Then, in a second copy of the fresh root that never builds anything, it installs that
# package alone with apt-get and makes the same start: the Depends line must bring
# everything the program needs to run.
# Screenshots of each start go to build-fresh-debian/shots/, the step timings are
# printed at the end. The roots are deleted afterwards (--keep keeps them, unmounted).
# It takes long (a few hundred packages and a whole build): it is no part of test.sh.
# Needs root, a few GB of disk and Debian's mirror; TARVO_DEBIAN_MIRROR overrides the
# mirror that apt's sources name.
#
# tools/fresh-debian-check.sh [--keep]
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
keep=
[ "${1:-}" = --keep ] && keep=1
[ "$(id -u)" -eq 0 ] || {
    echo "fresh-debian-check.sh makes chroots: run it as root" >&2
    exit 1
}
source "$here/tools/ensure-packages.sh"
tarvo_ensure_packages debootstrap git || exit 1

work=$here/build-fresh-debian
builder=$work/builder  # the README's commands run here
user=$work/user        # the package alone is installed here
shots=$work/shots
timings=()

# The mirror of apt's own sources (deb822 URIs: or one-line deb entries), for bookworm.
mirror=${TARVO_DEBIAN_MIRROR:-}
if [ -z "$mirror" ]; then
    mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list \
        2>/dev/null | awk '
            /^URIs:/ && $2 ~ /\/debian\/?$/ { print $2; exit }
            /^deb / && $3 ~ /^bookworm$/ { print $2; exit }')
    mirror=${mirror:-http://deb.debian.org/debian}
fi

# Mounts the kernel's file systems into a root, and takes them out again. Nothing is
# ever deleted while something is mounted inside the work folder.
mount_root() {
    local root=$1
    mount -t proc proc "$root/proc" && mount -t sysfs sysfs "$root/sys" &&
        mount --bind /dev "$root/dev" && mount --bind /dev/pts "$root/dev/pts" &&
        mount -t tmpfs tmpfs "$root/dev/shm" && mount -t tmpfs tmpfs "$root/tmp" &&
        cp /etc/resolv.conf "$root/etc/resolv.conf"
}
mounts_under() {  # the mount points inside $1, deepest first
    awk -v top="$1/" 'index($2 "/", top) == 1 { print $2 }' /proc/mounts | sort -r
}
stop_processes_in() {  # the processes this check started inside the root $1
    local link pid
    for link in /proc/[0-9]*/root; do
        pid=${link#/proc/}
        pid=${pid%/root}
        [ "$(readlink "$link" 2>/dev/null)" = "$1" ] && kill -9 "$pid" 2>/dev/null
    done
    sleep 1
}
unmount_root() {
    local root=$1 point
    [ -d "$root" ] || return 0
    stop_processes_in "$root"
    for point in $(mounts_under "$root"); do
        umount "$point" || umount -l "$point"
    done
}
report_timings() {
    echo "timings:"
    printf '%s\n' "${timings[@]}"
}
cleanup() {
    report_timings
    unmount_root "$builder"
    unmount_root "$user"
    if [ -n "$(mounts_under "$work")" ]; then
        echo "still mounted under $work, not deleted:" >&2
        mounts_under "$work" >&2
        return
    fi
    if [ -z "$keep" ]; then
        rm -rf --one-file-system "$builder" "$user"
    fi
}
trap cleanup EXIT

timed() {  # timed NAME COMMAND...: runs it, keeps its time, stops the check on failure
    local name=$1 start status
    shift
    start=$(date +%s)
    echo "=== $name"
    "$@"
    status=$?
    timings+=("$(printf '%5d s  %s' $(($(date +%s) - start)) "$name")")
    if [ "$status" -ne 0 ]; then
        echo "FAILED: $name (status $status)"
        exit 1
    fi
}
in_root() {  # in_root ROOT COMMAND: a login-less root shell with a fresh machine's environment
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash -c "$1"
}

# The README's block for a fresh machine: the indented lines after its heading line.
readme_commands() {
    awk '/^\*\*On a fresh Debian 12/ { on = 1; next }
         on && /^    / { print substr($0, 5); seen = 1; next }
         on && seen && !/^    / { exit }' "$here/README.md"
}
commands=$(readme_commands)
[ -n "$commands" ] || {
    echo "the README has no block after a line starting **On a fresh Debian 12" >&2
    exit 1
}
grep -q 'git clone REPOSITORY' <<<"$commands" || {
    echo "the README's block does not clone REPOSITORY" >&2
    exit 1
}

# start_check ROOT NAME: sng-tarvo from the PATH in an empty folder on Xvfb; the splash
# window's button by Enter, then the settings question answered Yes by Enter.
start_check() {
    local root=$1 name=$2
    in_root "$root" 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        xvfb xauth xdotool imagemagick >/dev/null' || return 1
    cat >"$root/tmp/start-check.sh" <<'EOF'
set -u
shot() { import -window root "/tmp/shots/$1.png"; }
program=$(command -v sng-tarvo) || { echo "sng-tarvo is not on the PATH"; exit 1; }
echo "starting $program in $PWD, which holds: $(ls -A | tr '\n' ' ')"
"$program" >/tmp/program.log 2>&1 &
pid=$!
windows() { xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null; }
wait_for() {  # wait_for WHAT TEST: up to 30 s
    for _ in $(seq 150); do
        eval "$2" && return 0
        kill -0 "$pid" 2>/dev/null || { echo "the program ended"; cat /tmp/program.log; exit 1; }
        sleep 0.2
    done
    echo "no $1 after 30 s"; shot timeout; cat /tmp/program.log; exit 1
}
wait_for "splash window" '[ -n "$(windows)" ]'
sleep 1; shot 1-splash
xdotool windowfocus --sync "$(windows | head -n1)" key Return
wait_for "question" '[ "$(windows | wc -l)" -ge 2 ]'
sleep 1; shot 2-question
[ ! -e tarvo.ini ] || { echo "tarvo.ini was written before the question was answered"; exit 1; }
# The question is the smaller of the two windows (both are titled SNG Tarvo); with no
# window manager to give it the focus, the check gives it, and Enter presses Yes.
question=$(for window in $(windows); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "$((WIDTH * HEIGHT)) $window"
done | sort -n | head -n1 | cut -d' ' -f2)
xdotool windowfocus --sync "$question" key Return
wait_for "rebuilt tarvo.ini" '[ -s tarvo.ini ]'
sleep 2; shot 3-after-yes
lines=$(wc -l <tarvo.ini)
last=$(tail -n1 tarvo.ini | tr -d '\r ')  # the numbers stand between spaces
kill "$pid"; wait "$pid" 2>/dev/null
echo "tarvo.ini rebuilt: $lines lines, the last $last"
[ "$lines" -eq 14 ] && [ "$last" = 9009 ]
EOF
    mkdir -p "$root/tmp/shots"
    in_root "$root" 'rm -rf /root/empty && mkdir /root/empty && cd /root/empty &&
        xvfb-run -a -s "-screen 0 1280x800x24" bash /tmp/start-check.sh'
    local status=$?
    mkdir -p "$shots/$name"
    cp "$root"/tmp/shots/*.png "$shots/$name/" 2>/dev/null
    return $status
}

echo "mirror: $mirror; the README's commands:"
sed 's/^/    /' <<<"$commands"
mkdir -p "$work"
rm -rf "$shots"
for root in "$builder" "$user"; do
    [ -z "$(mounts_under "$root")" ] || {
        echo "$root has mounts from an earlier run" >&2
        exit 1
    }
    rm -rf --one-file-system "$root"
done

debootstrap_root() {
    debootstrap --variant=minbase bookworm "$builder" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        { tail -n 20 "$work/debootstrap.log"; return 1; }
}
timed "debootstrap --variant=minbase bookworm" debootstrap_root
timed "copy of the fresh root for the package alone" cp -a "$builder" "$user"

# The repository as a clone would find it: a bare copy of the committed HEAD as main.
repository=$builder/srv/sng-tarvo.git
git init -q --bare "$repository" && git -C "$here" push -q "$repository" HEAD:refs/heads/main \
    && git -C "$repository" symbolic-ref HEAD refs/heads/main || exit 1
echo "cloning $(git -C "$here" log -1 --format='%h %s' HEAD)"

mount_root "$builder" || exit 1
step=0
while IFS= read -r line; do
    [ -n "$line" ] || continue
    step=$((step + 1))
    line=${line//REPOSITORY//srv/sng-tarvo.git}
    # Each line as pasted into one shell: cd carries over through the state file.
    timed "README $step: $line" in_root "$builder" "cd \"\$(cat /root/.pwd 2>/dev/null || echo /root)\" &&
        $line
        status=\$?; pwd >/root/.pwd; exit \$status"
done <<<"$commands"
depends=$(in_root "$builder" 'cd "$(cat /root/.pwd)" && dpkg-deb --field build/sng-tarvo_*.deb Depends')
timed "start in an empty folder (after the README's commands)" start_check "$builder" readme

# The package alone, on a root that has built nothing.
clone=$builder$(cat "$builder/root/.pwd")
cp "$clone"/build/sng-tarvo_*.deb "$user/root/" || exit 1
unmount_root "$builder"
mount_root "$user" || exit 1
timed "the package alone: apt-get update, apt-get install ./sng-tarvo_*.deb" in_root "$user" \
    'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./root/sng-tarvo_*.deb >/dev/null &&
     echo "installed: $(dpkg-query -W -f="\${Package} \${Version}" sng-tarvo),
     $(dpkg-query -W -f="\${db:Status-Abbrev}\n" | grep -c "^ii") packages in all"'
timed "start in an empty folder (the package alone)" start_check "$user" package-alone

echo
echo "Depends: $depends"
echo "screenshots: $shots"
echo "fresh Debian 12: the README's commands and both starts passed"
