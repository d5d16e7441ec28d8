#!/bin/sh
# Installs the Debian packages a task needs, only those that are missing. Each set holds what
# its task adds to the one it builds on; name several sets to install them together.
# usage: paquetes.sh SET...   (run, package, test, fuzz, bench, startup, format; all for every one)
set -eu

# Building the program and running it (with Qt's own texts in the user's language).
run="cmake make g++ qt6-base-dev librsvg2-bin fonts-dejavu-core qt6-translations-l10n"
# make package: CPack reads the program's libraries with dpkg-shlibdeps and file.
package="dpkg-dev file"
# make test: a virtual X display, its pointer and a window manager, a Wayland compositor with
# XWayland and Qt's Wayland platform (the program runs without it, the test tries both), the
# checks of the menu entry, metainfo and package, the PDF tools, the Spanish locale, and what a
# screen reader uses: a session bus, the accessibility bus and registry, and the Python
# bindings a reader is written with.
test="xvfb xauth xdotool x11-utils openbox weston xwayland qt6-wayland desktop-file-utils
appstream lintian poppler-utils locales-all dbus dbus-daemon at-spi2-core python3-pyatspi"
# make fuzz: clang's libFuzzer.
fuzz="clang libclang-rt-14-dev"
# make bench: Google Benchmark.
bench="libbenchmark-dev"
# make bench-startup: a virtual X display.
startup="xvfb"
# make format: the formatter the repository's style is written for.
format="clang-format"

[ $# -gt 0 ] || { echo "usage: $0 run|package|test|fuzz|bench|startup|format|all..."; exit 2; }
paquetes=$run
for conjunto in "$@"; do
    case $conjunto in
    run) ;;
    package) paquetes="$paquetes $package" ;;
    test) paquetes="$paquetes $package $test" ;;
    fuzz) paquetes="$paquetes $fuzz" ;;
    bench) paquetes="$paquetes $bench" ;;
    startup) paquetes="$paquetes $startup" ;;
    format) paquetes="$paquetes $format" ;;
    all) paquetes="$paquetes $package $test $fuzz $bench $startup $format" ;;
    *) echo "no set of packages named '$conjunto'"; exit 2 ;;
    esac
done

faltan=""
for p in $paquetes; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || faltan="$faltan $p"
done
[ -z "$faltan" ] && exit 0
if [ "$(id -u)" != 0 ]; then
    echo "Missing packages. Run as root:"
    echo "  apt-get install -y$faltan"
    exit 1
fi
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y $faltan
