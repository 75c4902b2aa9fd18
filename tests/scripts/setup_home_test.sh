#!/usr/bin/env bash
# The home set-up gives a runnable home whatever characters its folder name holds: the examples
# name each other by the home's real path, Vardex.ini points into the home, a second set-up keeps
# what the user changed, and (given the programs) the bundled run set-up runs from that home.
#
#   setup_home_test.sh SETUP_HOME EXAMPLES [SOLVER VARDEX_RUN]
set -euo pipefail
setup=$1
examples=$2
solver=${3:-}
runner=${4:-}
solverArgument=()
[ -z "$solver" ] || solverArgument=("$solver")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL ($name): $*"; exit 1; }

for name in 'R&D #2, back\1slash & café' '\&'; do
    home="$root/$name"
    "$setup" "$home" "$examples" "${solverArgument[@]}" || fail "the set-up stopped"

    for example in "$examples"/*; do
        placed="$home/data/$(basename "$example")"
        [ -f "$placed" ] || fail "$(basename "$example") was not placed"
        ! grep -q '@DATA@' "$placed" || fail "$(basename "$example") still holds @DATA@"
        # Every line but the replaced ones stays byte for byte, CR LF included.
        [ "$(wc -l <"$placed")" -eq "$(wc -l <"$example")" ] || fail "lines were lost"
    done
    grep -qF "profile=      $home/data/column.prf"$'\r' "$home/data/pier.mod" ||
        fail "pier.mod does not name the home's column.prf: $(grep profile= "$home/data/pier.mod")"
    grep -qF "modelfile=    $home/data/pier.mod"$'\r' "$home/data/pier.vrs" ||
        fail "pier.vrs does not name the home's model"
    grep -qF "DataDir=      $home/data"$'\r' "$home/Vardex.ini" || fail "Vardex.ini: no DataDir"
    grep -qF "materialfile= $home/data/materials.mts"$'\r' "$home/Vardex.ini" ||
        fail "Vardex.ini: no materials file"
    for folder in Temp Output program; do
        [ -d "$home/$folder" ] || fail "no $folder folder"
    done

    # The bundled set-up runs from that home, through the batch file and the solver.
    if [ -n "$runner" ]; then
        (cd "$home" && VARDEX_HOME="$home" "$runner" "$home/data/pier.vrs" --out "$home/out") \
            >"$root/run.log" 2>&1 || fail "the example did not run: $(tail -5 "$root/run.log")"
        grep -q 'chunk 3 of 3 done' "$root/run.log" || fail "not every chunk ran: $(cat "$root/run.log")"
        [ -s "$home/out/pier.3" ] || fail "no field of the last chunk"
    fi

    # The user's own changes survive a second set-up.
    printf 'mine\r\n' >"$home/data/pier.mod"
    printf 'mine\r\n' >"$home/Vardex.ini"
    "$setup" "$home" "$examples" "${solverArgument[@]}" || fail "the second set-up stopped"
    [ "$(cat "$home/data/pier.mod")" = $'mine\r' ] || fail "the second set-up overwrote pier.mod"
    [ "$(cat "$home/Vardex.ini")" = $'mine\r' ] || fail "the second set-up overwrote Vardex.ini"
done

# A solver that is not there stops the set-up with its path.
name='no solver'
if message=$("$setup" "$root/$name" "$examples" "$root/none/zolter" 2>&1); then
    fail "a missing solver was accepted"
fi
grep -qF "$root/none/zolter" <<<"$message" || fail "the message does not name the solver: $message"

echo "ok"
