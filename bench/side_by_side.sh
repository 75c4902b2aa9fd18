#!/usr/bin/env bash
# The reference cube with zolter (both cores, then one) and with laplacianFoam, one after the
# other, for several rounds, so both see the same machine. Prints each run's wall time.
# Usage: bench/side_by_side.sh BUILD_DIR [rounds, default 3]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bench="$1/bench/zolter_bench"
rounds=${2:-3}
for r in $(seq "$rounds"); do
    echo "round $r"
    echo "  zolter, all cores:  $("$bench" 80 5e-5 1 quick | sed -n 2p | sed 's/^ *//')"
    echo "  zolter, one thread: $(ZOLTER_THREADS=1 "$bench" 80 5e-5 1 quick | sed -n 2p | sed 's/^ *//')"
    echo "  $("$here/openfoam/run_laplacianfoam.sh" | head -1)"
done
