#!/bin/sh
# Runs a test as a screen reader's user runs the program: a virtual display with a window
# manager, a private session bus whose accessibility bus is started first, and Qt's bridge to it
# on, so that every accessibility event goes out as it would to a reader. Without the tools it
# needs the test is skipped (77), saying what is missing.
# usage: con_lector.sh program [arguments]
set -eu
aqui=$(dirname "$(readlink -f "$0")")
for falta in dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher; do
    command -v "$falta" >/dev/null 2>&1 || [ -x "$falta" ] || {
        echo "SKIP: $falta is missing: sh scripts/paquetes.sh test"
        exit 77
    }
done
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec "$aqui/con_openbox.sh" 1366x768 dbus-run-session -- sh -eu -c '
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null
    exec "$@"
' sh "$@"
