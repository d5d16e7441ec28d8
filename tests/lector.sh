#!/bin/sh
# The screen-reader check: a private session bus, on which the accessibility bus and its
# registry start when first asked for, a virtual display with a window manager, and lector.py
# listening as a screen reader does. Without the tools it needs the test is skipped (77), saying
# what is missing; everything else that goes wrong fails it.
# usage: lector.sh path/to/morvex
set -eu
aqui=$(dirname "$(readlink -f "$0")")
programa=$(readlink -f "$1")
for falta in dbus-run-session xdotool /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$falta" >/dev/null 2>&1 || [ -x "$falta" ] || {
        echo "SKIP: $falta is missing: sh scripts/paquetes.sh test"
        exit 77
    }
done
exec "$aqui/con_openbox.sh" 1366x768 dbus-run-session -- /usr/bin/python3 "$aqui/lector.py" "$programa"
