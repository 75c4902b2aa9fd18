#!/usr/bin/env bash
# Runs the reference cube with laplacianFoam (Debian package "openfoam") for a side-by-side speed
# comparison: 1 m cube, 80^3 cells, k = 2.0, rho = 2300, c = 870 J/kg C, all faces at 0 C, 20 C at
# the start, 48 steps of one hour, theta = 0.63 (CrankNicolson psi = 1/theta - 1), single-threaded,
# PCG with DIC. Prints the wall time of the solver run and the centre temperature.
# Usage: bench/openfoam/run_laplacianfoam.sh [case folder]   (default: a fresh temporary folder)
set -euo pipefail
n=${N:-80}
if [ -z "${WM_PROJECT_DIR:-}" ] && [ -f /usr/share/openfoam/etc/bashrc ]; then
    set +eu
    # shellcheck disable=SC1091
    source /usr/share/openfoam/etc/bashrc >/dev/null 2>&1
    set -eu
fi
if [ $# -ge 1 ]; then
    case_dir=$1
else
    case_dir=$(mktemp -d /tmp/lapfoam.XXXXXX)
    trap 'rm -rf "$case_dir"' EXIT
fi
tol=${TOL:-1e-06}
mkdir -p "$case_dir"/{0,constant,system}
cd "$case_dir"

header() {
    cat <<H
FoamFile { version 2.0; format ascii; class $1; object $2; }
H
}

{ header dictionary blockMeshDict; cat <<H
convertToMeters 1;
vertices ( (0 0 0) (1 0 0) (1 1 0) (0 1 0) (0 0 1) (1 0 1) (1 1 1) (0 1 1) );
blocks ( hex (0 1 2 3 4 5 6 7) ($n $n $n) simpleGrading (1 1 1) );
edges ();
boundary ( walls { type wall; faces ( (0 3 2 1) (4 5 6 7) (0 1 5 4) (2 3 7 6) (0 4 7 3) (1 2 6 5) ); } );
mergePatchPairs ();
H
} > system/blockMeshDict

{ header dictionary controlDict; cat <<H
application laplacianFoam;
startFrom startTime; startTime 0; stopAt endTime; endTime 172800; deltaT 3600;
writeControl timeStep; writeInterval 48; purgeWrite 0; writeFormat ascii; writePrecision 10;
writeCompression off; timeFormat general; timePrecision 6; runTimeModifiable false;
H
} > system/controlDict

# theta = 0.63 -> psi = 1/0.63 - 1
{ header dictionary fvSchemes; cat <<H
ddtSchemes { default CrankNicolson 0.587301587; }
gradSchemes { default Gauss linear; }
divSchemes { default none; }
laplacianSchemes { default Gauss linear corrected; }
interpolationSchemes { default linear; }
snGradSchemes { default corrected; }
H
} > system/fvSchemes

{ header dictionary fvSolution; cat <<H
solvers { T { solver PCG; preconditioner DIC; tolerance $tol; relTol 0; } }
SIMPLE { nNonOrthogonalCorrectors 0; }
H
} > system/fvSolution

# DT = k / (rho c) = 2.0 / (2300 * 870)
{ header dictionary transportProperties; echo "DT DT [0 2 -1 0 0 0 0] 9.99500249875e-07;"; } \
    > constant/transportProperties

{ header volScalarField T; cat <<H
dimensions [0 0 0 1 0 0 0];
internalField uniform 20;
boundaryField { walls { type fixedValue; value uniform 0; } }
H
} > 0/T

blockMesh > log.blockMesh 2>&1
start=$(date +%s.%N)
laplacianFoam > log.laplacianFoam 2>&1
end=$(date +%s.%N)
iters=$(grep -c 'Solving for T' log.laplacianFoam || true)
total_it=$(grep -o 'No Iterations [0-9]*' log.laplacianFoam | awk '{s += $3} END {print s}')
echo "laplacianFoam ${n}^3, 48 steps: wall $(echo "$end - $start" | bc) s," \
    "$iters solves, $total_it PCG iterations in all"
# Centre: with an even count the centre is the corner shared by the eight middle cells.
python3 - "$n" <<'PY' 2>/dev/null || true
import sys, re
n = int(sys.argv[1])
txt = open("172800/T").read()
m = re.search(r"internalField\s+nonuniform\s+List<scalar>\s*(\d+)\s*\(", txt)
vals = txt[m.end():].split(")")[0].split()
T = [float(v) for v in vals]
def at(i, j, k): return T[i + n * (j + n * k)]
if n % 2 == 0:
    h = n // 2
    c = sum(at(i, j, k) for i in (h - 1, h) for j in (h - 1, h) for k in (h - 1, h)) / 8
else:
    h = n // 2
    c = at(h, h, h)
print(f"centre temperature {c:.6f} C (mean of the middle cells)")
PY
