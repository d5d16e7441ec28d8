#!/bin/sh
# Start-up of the program against a Qt window of the same size with one label, both on one
# virtual X display of their own, started in turn A B A B ... VECES times each (20 unless set).
# usage: arranque.sh BUILD_DIR   (a Release build with the bench folder)
# PROGRAMA and REFERENCIA replace the two programs compared, e.g. two builds of the program
# against each other (both ended by the same injected library).
set -eu
build=${1:-build-bench}
veces=${VECES:-20}
dir=$(mktemp -d)
servidor=""
trap '[ -n "$servidor" ] && kill "$servidor" 2>/dev/null; rm -rf "$dir"' EXIT
export XDG_RUNTIME_DIR="$dir"

# The server picks a free display itself and writes its number once it accepts clients: no
# race with the other virtual displays of a shared machine.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/pantalla" 2>"$dir/xvfb.log" &
servidor=$!
esperas=0
until [ -s "$dir/pantalla" ]; do
    if ! kill -0 "$servidor" 2>/dev/null || [ $esperas -ge 200 ]; then
        cat "$dir/xvfb.log"
        echo "Xvfb did not start"
        exit 1
    fi
    esperas=$((esperas + 1))
    sleep 0.05
done
DISPLAY=:$(cat "$dir/pantalla")
export DISPLAY QT_QPA_PLATFORM=xcb

"$build/bench/arranque" "$veces" "$build/bench/libprimera_ventana.so" \
    "${PROGRAMA:-$build/morvex}" "${REFERENCIA:-$build/bench/una_etiqueta}"
