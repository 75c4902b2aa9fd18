#!/usr/bin/env bash
# Makes a runnable Vardex home folder: Temp, Output, program and data, the solver under both names
# the program looks for, the example data with their @DATA@ paths pointing into the home, and a
# Vardex.ini when there is none. What the user changed in the home is kept: examples already
# there are not overwritten and an existing Vardex.ini stays.
#
#   setup_home.sh HOME EXAMPLES_FOLDER [SOLVER]
#
# Any folder name works, whatever characters it holds (blanks, &, #, \, letters such as é):
# paths are only ever handled as data, never as part of a sed or awk program.
set -euo pipefail
if [ $# -lt 2 ]; then
    echo "usage: $0 HOME EXAMPLES_FOLDER [SOLVER]" >&2
    exit 2
fi
home=$1
examples=$2
solver=${3:-}

mkdir -p "$home/Temp" "$home/Output" "$home/program" "$home/data"
home=$(cd "$home" && pwd)

if [ -n "$solver" ]; then
    if [ ! -x "$solver" ]; then
        echo "The solver $solver was not built." >&2
        exit 1
    fi
    cp -f "$solver" "$home/program/zolter"
    cp -f "$solver" "$home/program/target"
fi

# Copies a file with every @DATA@ replaced by the data folder, byte for byte otherwise (the CR LF
# line ends and the last line end stay).
place_example() {
    local source=$1 target=$2 data=$3 text=
    IFS= read -r -d '' text <"$source" || true
    # The quoted replacement is taken literally: & and \ in it mean nothing.
    printf '%s' "${text//@DATA@/"$data"}" >"$target.part"
    mv -f "$target.part" "$target"
}

for example in "$examples"/*; do
    target="$home/data/${example##*/}"
    [ -e "$target" ] || place_example "$example" "$target" "$home/data"
done

# A key and its value at the next print zone, as the program writes its configuration.
key_line() { printf '%-14s%s\r\n' "$1" "$2"; }

if [ ! -f "$home/Vardex.ini" ]; then
    {
        printf '%s\r\n' "$home/Vardex.ini"
        key_line 'Revised ' "$(date '+%Y-%m-%d %H:%M:%S')"
        printf '\r\n'
        key_line 'ProgramPath=' "$home/program/target"
        key_line 'DataPath=' ''
        key_line 'DataDir=' "$home/data"
        key_line 'TempDir=' "$home/Temp"
        key_line 'UserDir=' "$home/data"
        key_line 'OutputDir=' "$home/Output"
        printf '\r\n[parameters]\r\n'
        key_line 'nx=' ' 40 '
        key_line 'ny=' ' 40 '
        key_line 'dx=' ' .04 '
        key_line 'dy=' ' .04 '
        key_line 'testing=' 'False'
        printf '\r\n[Files]\r\n'
        key_line 'materialfile=' "$home/data/materials.mts"
        for key in sectionfile= submodelfile= modelfile= execfile=; do key_line "$key" ''; done
        printf '\r\n'
    } >"$home/Vardex.ini.part"
    mv -f "$home/Vardex.ini.part" "$home/Vardex.ini"
fi
