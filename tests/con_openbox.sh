#!/bin/sh
# Runs a program on a virtual X display of the given size with a real window manager (openbox)
# framing its windows, on Qt's xcb platform; ends with the program's status.
# usage: con_openbox.sh WIDTHxHEIGHT program [arguments]
set -eu
pantalla=$1
shift
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 ${pantalla}x24" sh -eu -c '
    registro=$(mktemp)
    trap "rm -f $registro" EXIT
    # Ready once it answers for its desktops; a window mapped before that would go unframed.
    # Now and then openbox ends as it starts: it is started again, up to three times.
    gestor=
    for intento in 1 2 3; do
        openbox --sm-disable >"$registro" 2>&1 &
        gestor=$!
        esperas=0
        until xdotool get_num_desktops >/dev/null 2>&1; do
            kill -0 $gestor 2>/dev/null || break
            esperas=$((esperas + 1))
            [ $esperas -lt 300 ] || { echo "openbox did not start"; kill $gestor; exit 1; }
            sleep 0.1
        done
        kill -0 $gestor 2>/dev/null && break
        echo "openbox ended on start (try $intento):"
        cat "$registro"
        gestor=
    done
    [ -n "$gestor" ] || exit 1
    status=0
    "$@" || status=$?
    kill $gestor 2>/dev/null || true
    wait $gestor 2>/dev/null || true
    exit $status
' sh "$@"
