#!/bin/sh
# Checks that every C++ file of the repository is formatted as .clang-format says; with --fix,
# formats them. Tables keep a row a line between "// clang-format off" and "// clang-format on".
set -eu
cd "$(dirname "$0")/.."
if git rev-parse --git-dir > /dev/null 2>&1; then
    archivos=$(git ls-files '*.cpp' '*.h')
else
    archivos=$(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
if [ "${1:-}" = "--fix" ]; then
    clang-format -i $archivos
else
    clang-format --dry-run -Werror $archivos
    echo "formato: $(echo "$archivos" | wc -l) files checked, all formatted"
fi
