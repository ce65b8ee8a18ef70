# Sourced by run.sh and test.sh: installs the Debian packages the build needs
# when any of them is missing. Works as root or through sudo.
tarvo_ensure_packages() {
    local wanted=("$@") missing=() pkg
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null 2>&1 || {
            echo "Missing packages: ${missing[*]} (run as root or install sudo)" >&2
            return 1
        }
        as_root=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# What the program needs to be built and run (run.sh).
TARVO_PROGRAM_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
    fonts-liberation fontconfig
    libgeographiclib-dev
    liberfa-dev liberfa1
)
# What the tests and benchmarks add (test.sh): GoogleTest and Google Benchmark; the
# validators of the installed menu and software-centre entries; and for the run on a
# real display an X server, keys sent through it, the accessibility bus and its
# Python client on a D-Bus session of the test's own, and a small window manager
# (openbox), without which no window can be minimised and no window gets the focus
# back when a message box closes, as on a crew's desktop; and gpsd with gpsfake
# (gpsd-clients), which replays a receiver's log to the real daemon.
TARVO_TEST_PACKAGES=(
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    desktop-file-utils appstream
    xvfb xdotool dbus-daemon at-spi2-core python3-pyatspi openbox
    gpsd gpsd-clients
)
# What making the Debian package adds (tools/package.sh, and test.sh for the package
# test): dpkg-shlibdeps and objdump for its Depends line, file to find its executables.
TARVO_PACKAGE_PACKAGES=(dpkg-dev binutils file)
TARVO_BUILD_PACKAGES=("${TARVO_PROGRAM_PACKAGES[@]}" "${TARVO_TEST_PACKAGES[@]}"
    "${TARVO_PACKAGE_PACKAGES[@]}")
TARVO_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
