#!/usr/bin/env bash
# The material build's own speed: every text, picture and sound built from nothing in a
# scratch build tree, then again after one changed picture source (only that picture's
# files should be redone). The project's build tree is left as it was.
#   bench/material_build.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

cmake -S . -B "$scratch" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$scratch" --target vindra-material >/dev/null

start=$(now_ms)
cmake --build "$scratch" --target material >/dev/null
clean_ms=$(( $(now_ms) - start ))
files=$(find "$scratch/material" -type f | wc -l)

# One picture source changed: its mtime is moved forward for the scratch build only and put
# back afterwards, so the project's own build does not redo it.
source=$(ls material/BILD/main/*.svg | head -n 1)
saved=$(mktemp)
touch -r "$source" "$saved"
touch "$source"
start=$(now_ms)
redone=$(cmake --build "$scratch" --target material | grep -c "Material" || true)
incremental_ms=$(( $(now_ms) - start ))
touch -r "$saved" "$source"
rm -f "$saved"

printf 'Material build (jobs: %s)\n' "$(nproc)"
printf '  from a clean tree            %6d ms  (%d files)\n' "$clean_ms" "$files"
printf '  after one changed picture    %6d ms  (%d steps redone)\n' "$incremental_ms" "$redone"
