#!/bin/sh
# Runs a program on a virtual X display of the given size with a real window manager (openbox)
# framing its windows, on Qt's xcb platform; ends with the program's status.
# usage: con_openbox.sh WIDTHxHEIGHT program [arguments]
set -eu
pantalla=$1
shift
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 ${pantalla}x24" sh -eu -c '
    openbox --sm-disable >/dev/null 2>&1 &
    gestor=$!
    # Ready once it answers for its desktops; a window mapped before that would go unframed.
    intentos=0
    until xdotool get_num_desktops >/dev/null 2>&1; do
        kill -0 $gestor 2>/dev/null || { echo "openbox ended on start"; exit 1; }
        intentos=$((intentos + 1))
        [ $intentos -lt 300 ] || { echo "openbox did not start"; kill $gestor; exit 1; }
        sleep 0.1
    done
    status=0
    "$@" || status=$?
    kill $gestor 2>/dev/null || true
    wait $gestor 2>/dev/null || true
    exit $status
' sh "$@"
