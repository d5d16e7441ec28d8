#!/bin/sh
# Starts the real program as a Wayland desktop starts it: under a compositor (weston, headless,
# with XWayland) in a Wayland session, no platform chosen. Expects it on X through XWayland,
# Form1's frame at 268,1, the hand-over bringing Form2 in front of Form1, the return asking the
# window manager to bring Form1 to the front, and "Regresar" ending the program. Where Qt's
# Wayland platform is installed, also the program on Wayland itself, without X, on a
# 1280 x 720 screen whose panel Qt is not told of: the whole window on the screen, below the
# panel. Ends with 77, skipped, where the compositor cannot start.
# usage: humo_wayland.sh path/to/morvex QT_PLUGIN_DIR
set -eu
programa=$(readlink -f "$1")
plugins=$2
OMITIDA=77

for orden in weston weston-debug Xwayland xdotool; do
    command -v $orden >/dev/null || { echo "skipped: $orden is not installed"; exit $OMITIDA; }
done
# XWayland's sockets live there; an X server makes it at its first start.
if [ ! -d /tmp/.X11-unix ]; then
    mkdir -m 1777 /tmp/.X11-unix 2>/dev/null || {
        echo "skipped: /tmp/.X11-unix is missing and cannot be made"
        exit $OMITIDA
    }
fi

# The compositor's runtime folder (mode 0700, as Wayland wants it), its socket and its logs.
sesion=$(mktemp -d)
compositor=
escucha=
morvex=
terminar() {
    for pid in $morvex $escucha $compositor; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$sesion"
}
trap terminar EXIT
trap 'exit 1' INT TERM

export XDG_RUNTIME_DIR="$sesion"
# Starts weston on a screen WIDTH HEIGHT, with the given options, on the socket NAME:
# arrancar_weston NAME WIDTH HEIGHT [option...]. Its log is $sesion/NAME.log.
arrancar_weston() {
    nombre=$1
    registro="$sesion/$1.log"
    ancho=$2
    alto=$3
    shift 3
    # --debug lets weston-debug read the compositor's scene and its X window manager's events.
    weston --backend=headless-backend.so --debug --socket="$nombre" --width="$ancho" \
        --height="$alto" --idle-time=0 --log="$registro" "$@" >"$sesion/$nombre.err" 2>&1 &
    compositor=$!
    export WAYLAND_DISPLAY="$nombre"
}

arrancar_weston morvex 1366 800 --xwayland
# Ready once it names the X display XWayland answers on (XWayland starts with its first client).
pantalla=
for _ in $(seq 100); do
    pantalla=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$registro" 2>/dev/null || true)
    [ -z "$pantalla" ] || break
    kill -0 "$compositor" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$pantalla" ]; then
    echo "skipped: weston did not start with XWayland:"
    cat "$sesion/morvex.err" "$registro" 2>/dev/null || true
    exit $OMITIDA
fi
echo "weston: Wayland socket morvex, XWayland on $pantalla"
export DISPLAY="$pantalla" XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM

peticiones="$sesion/xwm.log"
weston-debug xwm-wm-x11 >"$peticiones" 2>&1 &
escucha=$!
"$programa" &
morvex=$!

fallo() {
    echo "FAIL: $*"
    exit 1
}

# The X window titled so, once mapped; none when the program is not on X.
ventana() {
    timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

# The program's windows as the compositor stacks them, the front one first: "title x,y" with
# the place of the frame weston draws around each X window, less the 32 pixels of shadow around
# it.
escena() {
    timeout 5 weston-debug scene-graph | awk '
        /top-level window/ { split($0, partes, "\047"); nombre = partes[2] }
        /position:/ && nombre != "" {
            gsub(/[(),]/, " "); print nombre, ($2 + 32) "," ($3 + 32); nombre = "" }'
}

# Waits up to $2 tenths of a second for the front window to be the one named.
delante() {
    for _ in $(seq "$2"); do
        [ "$(escena | head -n 1 | cut -d' ' -f1)" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to 10 s for the program to ask the window manager to activate the given X window.
pide_activar() {
    for _ in $(seq 50); do
        grep -q "_NET_ACTIVE_WINDOW .* win $1)" "$peticiones" && return 0
        sleep 0.2
    done
    return 1
}

form1=$(ventana Form1)
[ -n "$form1" ] || fallo "no X window titled Form1: the program did not come up on X"
echo "on X through XWayland: Form1 is X window $form1"

# The compositor maps the window a moment after X does, and places it then.
lugar=
for _ in $(seq 50); do
    lugar=$(escena | awk '$1 == "Form1" { print $2 }')
    [ "$lugar" != "268,1" ] || break
    sleep 0.2
done
[ "$lugar" = "268,1" ] || fallo "Form1's frame at ${lugar:-nowhere}, not at 268,1"
echo "Form1's frame at 268,1"

# The keyboard drives the buttons (no pointer without a seat): the focus starts on "Regresar",
# Tab takes it to "Certificado de Calidad".
xdotool key --window "$form1" Tab space 2>/dev/null
form2=$(ventana Form2)
[ -n "$form2" ] || fallo "the hand-over showed no Form2"
delante Form2 100 || fallo "the hand-over left Form2 behind: $(escena | tr '\n' ' ')"
lugar=$(escena | awk '$1 == "Form2" { print $2 }')
[ "$lugar" = "268,1" ] || fallo "Form2's frame at ${lugar:-nowhere}, not over Form1's at 268,1"
echo "hand-over: Form2 in front of Form1, at 268,1"

# "Valoracion Coches Ocasion" holds Form2's focus.
xdotool key --window "$form2" space 2>/dev/null
pide_activar "$form1" || fallo "the return did not ask to bring Form1 to the front"
# weston's X window manager answers no such request for a window already shown, and its stack
# stays as it was; a window manager that answers it brings Form1 in front.
if delante Form1 20; then
    echo "return: Form1 in front of Form2"
else
    echo "return: Form1 asked to the front (this weston leaves it behind)"
fi

xdotool key --window "$form1" shift+Tab space 2>/dev/null
for _ in $(seq 100); do
    kill -0 "$morvex" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$morvex" 2>/dev/null && fallo "still running after Regresar"
status=0
wait "$morvex" || status=$?
morvex=
[ $status -eq 0 ] || fallo "the program ended with status $status"
echo "Regresar ended the program"

if [ ! -e "$plugins/platforms/libqwayland-generic.so" ]; then
    echo "Qt's Wayland platform is not installed: the program on Wayland itself is not tried"
    exit 0
fi
for pid in $escucha $compositor; do
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
escucha=
arrancar_weston wayland 1280 720
for _ in $(seq 100); do
    [ -S "$sesion/wayland" ] && break
    sleep 0.1
done
unset DISPLAY
"$programa" &
morvex=$!
# weston's own panel, 32 pixels at the top, is one Qt is not told of.
abajo=
for _ in $(seq 100); do
    abajo=$(timeout 5 weston-debug scene-graph | awk '
        /role xdg_toplevel.*top-level window .Form1./ { visto = 1 }
        /position:/ && visto { gsub(/[(),]/, " "); print $3, $6; exit }')
    [ -z "$abajo" ] || break
    sleep 0.1
done
[ -n "$abajo" ] || fallo "no Wayland window Form1 on a compositor without X"
arriba=${abajo% *}
abajo=${abajo#* }
[ "$arriba" -ge 32 ] && [ "$abajo" -le 720 ] ||
    fallo "on Wayland, 1280 x 720, the window spans $arriba to $abajo: off the screen or under the panel"
echo "on Wayland itself: Form1 from $arriba to $abajo, on the 720-pixel screen below the panel"
