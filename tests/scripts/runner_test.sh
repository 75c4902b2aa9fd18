#!/usr/bin/env bash
# vardex-run as users run it, from a home made by the home set-up with the bundled example:
#
#   runner_test.sh side-by-side SETUP_HOME EXAMPLES SOLVER VARDEX_RUN ARRAY_SCRIPT
#       the guide's GNU parallel line and its job-array script, run as written with one home,
#       give the same files as the same set-ups run one after another
#   runner_test.sh signals SETUP_HOME EXAMPLES SOLVER VARDEX_RUN
#       SIGTERM, SIGINT and SIGHUP during a chunk: exit 128 + the signal, no solver left
#       running, nothing of that chunk collected, no scratch folder left
#   runner_test.sh full-disk SETUP_HOME EXAMPLES SOLVER VARDEX_RUN
#       a solver whose files cannot grow (a file-size limit stands for a full disk) fails the
#       run naming the file, and no temporary file stays anywhere
set -euo pipefail
mode=$1
setup=$2
examples=$3
solver=$4
runner=$5
arrayScript=${6:+$(realpath "$6")}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL ($mode): $*"; exit 1; }

home="$root/home"
"$setup" "$home" "$examples" "$solver" >/dev/null || fail "the home set-up stopped"
export VARDEX_HOME="$home"
export PATH="$(dirname "$runner"):$PATH"
cd "$home"

# A copy of the example set-up with one value changed (VALUE printed at its print zone).
study() { # NAME KEY VALUE
    sed "s/^$2=.*/$(printf '%-14s%s \r' "$2=" "$3")/" data/pier.vrs >"studies/$1.vrs"
}

# The results of a run folder that must match byte for byte (the logs hold times, so not those).
results() { # FOLDER
    (cd "$1" && find . -type f ! -iname 'stdout.*' | sort)
}

same_results() { # FOLDER OTHER
    [ "$(results "$1")" = "$(results "$2")" ] ||
        fail "$1 and $2 hold different files: $(results "$1") / $(results "$2")"
    [ -n "$(results "$1")" ] || fail "$1 is empty"
    while read -r name; do
        cmp -s "$1/$name" "$2/$name" || fail "$1/$name differs from $2/$name"
    done < <(results "$1")
}

no_leftovers() {
    [ -z "$(ls -A "$home/Temp")" ] || fail "left in Temp: $(ls -A "$home/Temp")"
    local parts
    parts=$(find "$root" -name '*.part' -o -name '.*-[0-9]*' -o -name '.vardex-lock')
    [ -z "$parts" ] || fail "temporary files left: $parts"
}

# The processes whose working folder lies in the home's Temp folder (a solver at work there).
solvers_in_temp() {
    find /proc/[0-9]*/cwd -maxdepth 0 -lname "$home/Temp/*" 2>/dev/null || true
}

case $mode in
side-by-side)
    command -v parallel >/dev/null || fail "GNU parallel is not installed"
    mkdir studies
    study cool placement 15
    study hot placement 40
    study late sourcestart 12
    files=(studies/*.vrs)
    # One after another, each into a folder of its own.
    for f in "${files[@]}"; do
        vardex-run "$f" --out "seq/$(basename "$f" .vrs)" >/dev/null || fail "$f did not run"
    done
    # The guide's line, word for word.
    parallel -j 2 vardex-run {} --out runs/{/.} ::: studies/*.vrs >"$root/parallel.log" 2>&1 ||
        fail "GNU parallel: $(cat "$root/parallel.log")"
    for f in "${files[@]}"; do
        name=$(basename "$f" .vrs)
        same_results "runs/$name" "seq/$name"
    done
    # The job array: every task at once, as a scheduler with free nodes starts them.
    rm -rf runs
    pids=()
    for task in "${!files[@]}"; do
        SLURM_ARRAY_TASK_ID=$task bash "$arrayScript" >"$root/task$task.log" 2>&1 &
        pids+=($!)
    done
    for task in "${!pids[@]}"; do
        wait "${pids[$task]}" || fail "task $task: $(cat "$root/task$task.log")"
    done
    for task in "${!files[@]}"; do
        same_results "runs/$task" "seq/$(basename "${files[$task]}" .vrs)"
    done
    # The studies differ, so a run that took another's input would have shown.
    ! cmp -s seq/cool/pier.1 seq/hot/pier.1 || fail "the studies gave the same field"
    no_leftovers
    ;;
signals)
    mkdir studies
    study long endtime 200000 # chunk 1 takes some seconds
    for signal in TERM INT HUP; do
        out="out-$signal"
        vardex-run studies/long.vrs --out "$out" >"$root/$signal.log" 2>&1 &
        pid=$!
        # Wait until the solver is at work on chunk 1 (it has logged a step).
        for _ in $(seq 200); do
            grep -qs '^step ' "$home"/Temp/run-*/STDOUT.1 && break
            sleep 0.05
        done
        [ -n "$(solvers_in_temp)" ] || fail "no solver at work: $(cat "$root/$signal.log")"
        kill -s "$signal" "$pid"
        status=0
        wait "$pid" || status=$?
        number=$(kill -l "$signal")
        [ "$status" -eq $((128 + number)) ] ||
            fail "SIG$signal: exit status $status: $(cat "$root/$signal.log")"
        grep -q "chunk 1 of 3: stopped by signal $number" "$root/$signal.log" ||
            fail "SIG$signal: no reason: $(cat "$root/$signal.log")"
        sleep 0.2
        [ -z "$(solvers_in_temp)" ] || fail "SIG$signal: a solver is still running"
        [ ! -e "$out/pier.1" ] && [ ! -e "$out/Tmax.1" ] && [ ! -e "$out/TSeries.1" ] ||
            fail "SIG$signal: part of the stopped chunk was collected: $(ls "$out")"
        no_leftovers
    done
    ;;
full-disk)
    status=0
    (ulimit -f 6 && vardex-run data/pier.vrs --out full) >"$root/full.log" 2>&1 || status=$?
    [ "$status" -eq 1 ] || fail "exit status $status: $(cat "$root/full.log")"
    grep -q "the run failed: chunk 1 of 3: cannot write pier: File too large" "$root/full.log" ||
        fail "the reason is not named: $(cat "$root/full.log")"
    [ ! -e full/pier.1 ] || fail "a field was collected"
    no_leftovers
    ;;
*)
    fail "unknown mode"
    ;;
esac
echo "ok"
