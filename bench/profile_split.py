#!/usr/bin/env python3
"""Where one zolter run's time goes, from a perf profile, grouped by the solver's phases.

    cd /tmp/zolter-bench     # tempfile.1 from: build/bench/zolter_bench tempfile /tmp/zolter-bench/tempfile.1
    ZOLTER_THREADS=1 perf record -e cpu-clock -o perf.data BUILD/solver/zolter tempfile.1 STDOUT.1 clrthred.tmp
    bench/profile_split.py perf.data [wall seconds]

Samples are grouped by the function they fall in (the sweeps are lambdas and inlined kernels, so
the names below match them); with the wall time given, each share is also printed in seconds.
"""
import re
import subprocess
import sys

PHASES = [
    ("V-cycle: smoother", r"smoothPlane|Multigrid::smooth"),
    ("V-cycle: residual + restriction", r"restrictTo|restrictPlane|zolter::residualRow|restrictRow"),
    ("V-cycle: prolongation", r"prolongAdd|prolongRow"),
    ("V-cycle: coarsest solve", r"solveCoarsest"),
    ("CG: direction + A p (+ e step)", r"applyDirection|directionProductRow|nextDirectionRow"),
    ("CG: max|z|, r.z", r"errorEstimateRow"),
    ("CG: r update", r"residualUpdateRow"),
    ("step: guess and residual in double (first, refinements)",
     r"stepResidualRow|plainResidualRow|heatResidualRow|addHeldTerms|"
     r"forPlanesAhead<zolter::Simulation::tryStep"),
    ("step: end (balance, Tmax, trend)", r"endStepRow|capacityChangeRow"),
    ("step: other", r"tryStep|Simulation::run|setShift|Simulation::highest"),
    ("per time point: history + summary", r"ThermalSummary::record|Simulation::field"),
    ("writing the fields", r"writeField|to_chars|__memmove|writeText"),
    ("set-up (grid, levels, first touch of memory)",
     r"clear_page|memset|Simulation::Simulation|coarsen|fillLevel|Multigrid::Multigrid|"
     r"ThermalSummary::ThermalSummary|page_fault|folio|makeTransfer"),
    ("read", r"readTempFile|InputReader|parse|strtod|from_chars"),
]


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = subprocess.run(["perf", "report", "-i", sys.argv[1], "--no-children", "--sort",
                          "dso,symbol", "--stdio", "-g", "none"],
                         capture_output=True, text=True, check=True).stdout
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else None
    shares, total = {}, 0.0
    for line in out.splitlines():
        m = re.match(r"\s+([\d.]+)%\s+(\S+)\s+\[(.)\]\s+(.*)", line)
        if not m:
            continue
        pct, dso, kind, sym = float(m.group(1)), m.group(2), m.group(3), m.group(4)
        total += pct
        if dso.startswith("libstdc++") and sym.startswith("0x"):
            sym = "to_chars"  # the library's formatting, unnamed without its symbols
        for name, rx in PHASES:
            if re.search(rx, sym):
                break
        else:
            name = "kernel, other" if kind == "k" else "other"
        shares[name] = shares.get(name, 0.0) + pct
    for name in [p for p, _ in PHASES] + ["kernel, other", "other"]:
        if name in shares:
            share = shares[name] / total * 100
            extra = f"  {share / 100 * seconds:.3f} s" if seconds else ""
            print(f"{name:46s} {share:5.1f} %{extra}")


if __name__ == "__main__":
    main()
