#!/usr/bin/env bash
# Builds Vardex and starts it on a runnable home folder (build/home, or $VARDEX_HOME), showing the
# example model, or the model file named as the first argument.
# A second run keeps what the user changed in that home; only the programs are refreshed.
set -euo pipefail
cd "$(dirname "$0")"
repo=$(pwd)
source scripts/deps.sh
vardex_ensure_packages

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$jobs" --target vardex $(cmake --build build --target help | grep -q '^zolter:' && echo zolter)

home=${VARDEX_HOME:-$repo/build/home}
mkdir -p "$home/Temp" "$home/Output" "$home/program" "$home/data"
home=$(cd "$home" && pwd)

# The solver, also under the name the start-up check looks for.
if [ -x build/solver/zolter ]; then
    cp -f build/solver/zolter "$home/program/zolter"
    cp -f build/solver/zolter "$home/program/target"
fi

# Example data, never overwriting the user's own files. The files name each other by full path,
# written here as @DATA@.
for example in examples/*; do
    target="$home/data/$(basename "$example")"
    [ -e "$target" ] || sed "s#@DATA@#$home/data#g" "$example" > "$target"
done

if [ ! -f "$home/Vardex.ini" ]; then
    zone() { printf '%-14s%s' "$1" "$2"; }
    {
        printf '%s\r\n' "$home/Vardex.ini"
        printf '%s\r\n' "$(zone 'Revised ' "$(date '+%Y-%m-%d %H:%M:%S')")"
        printf '\r\n'
        printf '%s\r\n' "$(zone 'ProgramPath=' "$home/program/target")"
        printf '%s\r\n' "$(zone 'DataPath=' '')"
        printf '%s\r\n' "$(zone 'DataDir=' "$home/data")"
        printf '%s\r\n' "$(zone 'TempDir=' "$home/Temp")"
        printf '%s\r\n' "$(zone 'UserDir=' "$home/data")"
        printf '%s\r\n' "$(zone 'OutputDir=' "$home/Output")"
        printf '\r\n[parameters]\r\n'
        printf '%s\r\n' "$(zone 'nx=' ' 40 ')" "$(zone 'ny=' ' 40 ')" "$(zone 'dx=' ' .04 ')" "$(zone 'dy=' ' .04 ')"
        printf '%s\r\n' "$(zone 'testing=' 'False')"
        printf '\r\n[Files]\r\n'
        printf '%s\r\n' "$(zone 'materialfile=' "$home/data/materials.mts")"
        printf '%s\r\n' "$(zone 'sectionfile=' '')" "$(zone 'submodelfile=' '')" "$(zone 'modelfile=' '')" "$(zone 'execfile=' '')"
        printf '\r\n'
    } > "$home/Vardex.ini"
fi

# Without a model named on the command line, the bundled example opens at start.
[ $# -gt 0 ] || set -- "$home/data/pier.mod"

# The solver runs in the program's current folder and leaves its outputs there.
cd "$home"
VARDEX_HOME="$home" exec "$repo/build/src/gui/vardex" "$@"
