#!/bin/sh
# The menu entry and the software-centre entry as the desktop tools read them, and the version
# of the newest release in the metainfo and the changelog against the project's version.
# usage: escritorio.sh path/to/app/escritorio VERSION
set -eu
dir=$1
version=$2
# Its hints count too: one says a menu would file the entry under "other".
avisos=$(desktop-file-validate "$dir/es.morvex.morvex.desktop" 2>&1) ||
    { echo "$avisos"; exit 1; }
[ -z "$avisos" ] || { echo "$avisos"; exit 1; }
appstreamcli validate --no-net --pedantic "$dir/es.morvex.morvex.metainfo.xml"
# The newest release is listed first in both files.
metainfo=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$dir/es.morvex.morvex.metainfo.xml" |
    head -n 1)
changelog=$(sed -n '1s/^morvex (\([^)]*\)).*/\1/p' "$dir/changelog")
[ "$metainfo" = "$version" ] ||
    { echo "newest release in the metainfo is '$metainfo', the project is $version"; exit 1; }
[ "$changelog" = "$version" ] ||
    { echo "newest entry of the changelog is '$changelog', the project is $version"; exit 1; }
echo "desktop entry and metainfo valid, both at version $version"
