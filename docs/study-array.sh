#!/usr/bin/env bash
# Parameter studies as a Slurm job array: task i runs the i-th set-up of studies/*.vrs into
# runs/i. Submit it from the folder that holds studies/: sbatch study-array.sh
#SBATCH --array=0-19
files=(studies/*.vrs)
vardex-run "${files[$SLURM_ARRAY_TASK_ID]}" --out "runs/$SLURM_ARRAY_TASK_ID"
