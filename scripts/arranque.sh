#!/bin/sh
# Start-up of the program against a Qt window of the same size with one label, both on one
# virtual X display, started in turn A B A B ... VECES times each (20 unless set).
# usage: arranque.sh BUILD_DIR   (a Release build with the bench folder)
set -eu
build=${1:-build-bench}
veces=${VECES:-20}
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    "$build/bench/arranque" "$veces" "$build/bench/libprimera_ventana.so" \
    "$build/morvex" "$build/bench/una_etiqueta"
