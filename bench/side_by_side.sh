#!/usr/bin/env bash
# The reference cube end to end, zolter on one thread and on two, beside laplacianFoam, one after
# the other in every round so all three see the same machine. zolter is timed as a user runs it:
# `zolter TEMPFILE STDOUT MARKER` (read, solve, write every output, marker), process start
# included. Each zolter field is compared with a tightly converged solution (errmax 1e-11) of the
# same discretisation. Prints every round, then best and median times and ratios.
# Usage: bench/side_by_side.sh BUILD_DIR [rounds, default 5] [errmax, default 3e-3: the program's own]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
rounds=${2:-5}
errmax=${3:-3e-3}
bench="$build/bench/zolter_bench"
zolter="$build/solver/zolter"
work=$(mktemp -d /tmp/side_by_side.XXXXXX)
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }

# One end-to-end run in a fresh folder: prints its wall time; the field is left in $2/cube.
run_zolter() { # threads folder tempfile
    rm -rf "$2" && mkdir -p "$2" && cp "$3" "$2/tempfile.1"
    local t0 t1
    t0=$(now)
    (cd "$2" && ZOLTER_THREADS=$1 "$zolter" tempfile.1 STDOUT.1 clrthred.tmp)
    t1=$(now)
    grep -qx $'OK\r' "$2/clrthred.tmp" || { echo "zolter failed in $2" >&2; exit 1; }
    echo "$t1 - $t0" | bc
}

# Largest difference between two fields written by zolter, in C.
distance() {
    python3 - "$1" "$2" <<'PY'
import sys
a = open(sys.argv[1]).read().split()
b = open(sys.argv[2]).read().split()
assert len(a) == len(b)
print("%.1e" % max(abs(float(x) - float(y)) for x, y in zip(a, b)))
PY
}

"$bench" tempfile "$work/tempfile.1" 80 "$errmax"
"$bench" tempfile "$work/tempfile.tight" 80 1e-11 200
run_zolter 2 "$work/tight" "$work/tempfile.tight" >/dev/null
iterations=$(grep -o 'finished: [0-9]*' "$work/tight/STDOUT.1" | grep -o '[0-9]*')
echo "reference cube 80^3, 48 x 1 h, theta 0.63; zolter errmax $errmax; tight solution" \
    "errmax 1e-11 ($iterations iterations)"

z1=() z2=() lf=()
for r in $(seq "$rounds"); do
    a=$(run_zolter 1 "$work/one" "$work/tempfile.1")
    da=$(distance "$work/one/cube" "$work/tight/cube")
    b=$(run_zolter 2 "$work/two" "$work/tempfile.1")
    db=$(distance "$work/two/cube" "$work/tight/cube")
    it=$(grep -o 'finished: [0-9]*' "$work/one/STDOUT.1" | grep -o '[0-9]*')
    foam=$("$here/openfoam/run_laplacianfoam.sh" | head -1)
    c=$(echo "$foam" | sed -n 's/.*wall \([0-9.]*\) s.*/\1/p')
    z1+=("$a") z2+=("$b") lf+=("$c")
    printf 'round %d: zolter 1 thread %.3f s (field within %s C, %s iterations), 2 threads %.3f s' \
        "$r" "$a" "$da" "$it" "$b"
    printf ' (within %s C); laplacianFoam %.2f s; ratios %.1f x, %.1f x\n' "$db" "$c" \
        "$(echo "$c / $a" | bc -l)" "$(echo "$c / $b" | bc -l)"
done

python3 - "${z1[*]}" "${z2[*]}" "${lf[*]}" <<'PY'
import statistics, sys
z1, z2, lf = ([float(v) for v in s.split()] for s in sys.argv[1:4])
r1 = [c / a for a, c in zip(z1, lf)]
r2 = [c / b for b, c in zip(z2, lf)]
print(f"{len(lf)} rounds            best      median")
print(f"zolter, 1 thread     {min(z1):6.3f} s  {statistics.median(z1):6.3f} s")
print(f"zolter, 2 threads    {min(z2):6.3f} s  {statistics.median(z2):6.3f} s")
print(f"laplacianFoam        {min(lf):6.2f} s  {statistics.median(lf):6.2f} s")
print(f"ratio, 1 thread      {max(r1):6.1f} x  {statistics.median(r1):6.1f} x   (per round)")
print(f"ratio, 2 threads     {max(r2):6.1f} x  {statistics.median(r2):6.1f} x   (per round)")
PY
