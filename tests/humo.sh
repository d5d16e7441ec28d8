#!/bin/sh
# Starts the real program on a virtual X display, waits for the window titled "Form1", presses
# its "Regresar" button with the real pointer and expects the program to end cleanly.
# usage: humo.sh path/to/morvex
set -eu
programa=$(readlink -f "$1")
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 1024x800x24" sh -eu -c '
    "$0" &
    pid=$!
    ventana=$(timeout 30 xdotool search --sync --onlyvisible --name "^Form1\$" | head -n 1)
    [ -n "$ventana" ] || { echo "no window titled Form1"; kill $pid; exit 1; }
    echo "Form1 mapped: window $ventana"
    # "Regresar" is at (324, 661), 129 x 40, in the window.
    xdotool mousemove --window "$ventana" 388 681 click 1
    status=0
    timeout 20 sh -c "while kill -0 $pid 2>/dev/null; do sleep 0.1; done" || status=$?
    [ $status -eq 0 ] || { echo "still running after Regresar"; kill $pid; exit 1; }
    wait $pid
    echo "program ended with status $?"
' "$programa"
