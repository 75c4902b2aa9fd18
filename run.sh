#!/usr/bin/env bash
# Builds Vardex and starts it on a runnable home folder (build/home, or $VARDEX_HOME), showing the
# example model, or the model file named as the first argument.
# A second run keeps what the user changed in that home; only the programs are refreshed.
set -euo pipefail
# Paths given relative to the folder run.sh was started from.
caller=$(pwd)
if [ $# -gt 0 ]; then
    case $1 in /*) ;; *) set -- "$caller/$1" "${@:2}" ;; esac
fi
cd "$(dirname "$0")"
repo=$(pwd)
source scripts/deps.sh
vardex_ensure_packages

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$jobs" --target vardex zolter

# The home: folders, the solver, the examples and Vardex.ini (the user's own files are kept).
home=${VARDEX_HOME:-$repo/build/home}
case $home in /*) ;; *) home=$caller/$home ;; esac
scripts/setup_home.sh "$home" examples build/solver/zolter
home=$(cd "$home" && pwd)

# Without a model named on the command line, the bundled example opens at start.
[ $# -gt 0 ] || set -- "$home/data/pier.mod"

# The solver runs in the program's current folder and leaves its outputs there.
cd "$home"
VARDEX_HOME="$home" exec "$repo/build/src/gui/vardex" "$@"
