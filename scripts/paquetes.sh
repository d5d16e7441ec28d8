#!/bin/sh
# Installs the Debian packages the build and the tests need, only those that are missing.
set -eu
paquetes="cmake make g++ qt6-base-dev xvfb xauth xdotool openbox fonts-dejavu-core
libbenchmark-dev clang libclang-rt-14-dev"
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
