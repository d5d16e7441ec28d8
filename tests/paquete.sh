#!/bin/sh
# The Debian package as a user gets it: built with CPack from the build folder, then checked.
# usage: paquete.sh STEP BUILD_FOLDER VERSION
#   construir  builds the package into BUILD_FOLDER/paquete-prueba
#   contenido  its file list, version and dependencies; the unpacked tree as AppStream sees it
#   lintian    no error from lintian (its warnings are printed)
#   arranque   unpacked into a temporary folder, the program starts from there on a virtual X
#              display and shows Form1 with its window icon
set -eu
paso=$1
construccion=$(readlink -f "$2")
version=$3
dir=$construccion/paquete-prueba
deb=$dir/morvex_${version}_$(dpkg --print-architecture).deb

# Unpacks the package into a new temporary folder, removed when the script ends.
Desempaquetar() {
    raiz=$(mktemp -d)
    trap 'rm -rf "$raiz"' EXIT
    dpkg-deb -x "$deb" "$raiz"
}

case $paso in
construir)
    rm -rf "$dir"
    cd "$construccion"
    cpack -G DEB -B "$dir" --config CPackConfig.cmake
    ;;
contenido)
    lista=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
    faltan=""
    for f in usr/bin/morvex usr/share/applications/es.morvex.morvex.desktop \
        usr/share/metainfo/es.morvex.morvex.metainfo.xml \
        usr/share/icons/hicolor/scalable/apps/morvex.svg \
        usr/share/icons/hicolor/16x16/apps/morvex.png \
        usr/share/icons/hicolor/22x22/apps/morvex.png \
        usr/share/icons/hicolor/24x24/apps/morvex.png \
        usr/share/icons/hicolor/32x32/apps/morvex.png \
        usr/share/icons/hicolor/48x48/apps/morvex.png \
        usr/share/icons/hicolor/64x64/apps/morvex.png \
        usr/share/icons/hicolor/128x128/apps/morvex.png \
        usr/share/icons/hicolor/256x256/apps/morvex.png \
        usr/share/man/man1/morvex.1.gz usr/share/doc/morvex/copyright \
        usr/share/doc/morvex/changelog.gz; do
        echo "$lista" | grep -qx "\./$f" || faltan="$faltan $f"
    done
    [ -z "$faltan" ] || { echo "missing from the package:$faltan"; exit 1; }
    # Nothing of the build or the tests rides along.
    otros=$(echo "$lista" | grep -v '/$' | grep -v -e '^\./usr/bin/morvex$' -e '^\./usr/share/' || true)
    [ -z "$otros" ] || { echo "unexpected files in the package:"; echo "$otros"; exit 1; }
    paquete=$(dpkg-deb -f "$deb" Version)
    [ "$paquete" = "$version" ] || { echo "package version $paquete, project $version"; exit 1; }
    depende=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depende"
    for lib in libqt6core6 libqt6gui6 libqt6widgets6; do
        echo "$depende" | grep -q "\b$lib\b" || { echo "no dependency on $lib"; exit 1; }
    done
    if echo "$depende" | grep -q -- '-dev\b'; then
        echo "a development package among the dependencies"
        exit 1
    fi
    Desempaquetar
    appstreamcli validate-tree --no-net --pedantic "$raiz"
    ;;
lintian)
    estado=0
    informe=$(lintian --fail-on error --display-level ">=warning" "$deb" 2>&1) || estado=$?
    # As root lintian says it runs as root; that line is not about the package.
    echo "$informe" | grep -v '^running with root privileges' || true
    [ $estado -eq 0 ] || { echo "lintian reports errors"; exit 1; }
    echo "lintian: no error"
    ;;
arranque)
    Desempaquetar
    export QT_QPA_PLATFORM=xcb
    xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
        "$0" &
        pid=$!
        ventana=$(timeout 30 xdotool search --sync --onlyvisible --name "^Form1\$" | head -n 1)
        [ -n "$ventana" ] || { echo "no window titled Form1"; kill $pid; exit 1; }
        echo "Form1 mapped: window $ventana, from $0"
        iconos=$(xprop -id "$ventana" _NET_WM_ICON | grep -o "Icon ([0-9]* x [0-9]*)" || true)
        kill $pid
        wait $pid || true
        [ -n "$iconos" ] || { echo "Form1 has no window icon"; exit 1; }
        echo "window icon:" $iconos
    ' "$raiz/usr/bin/morvex"
    ;;
*)
    echo "unknown step $paso"
    exit 2
    ;;
esac
