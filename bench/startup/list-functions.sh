#!/usr/bin/env bash
# Lists the program's own functions that run from its start to the main window's first paint,
# for the linker to lay out together (src/app/startup-functions.txt). Run it again when the
# start-up path changes much; a name that no longer exists is passed over by the linker.
#
#   bench/startup/list-functions.sh [build dir]      (needs valgrind; default build dir: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
program="$build/bin/startup_vindra"
out=src/app/startup-functions.txt
profile=$(mktemp)
trap 'rm -f "$profile"' EXIT

QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --demangle=no \
  --callgrind-out-file="$profile" "$program" > /dev/null 2>&1

# callgrind names an object or a function by number after its first mention; the functions
# wanted are those whose costs are given under the program's own object.
awk -v program="$(basename "$program")" '
  /^c?(ob|fn)=\([0-9]+\)/ {
    eq = index($0, "="); paren = index($0, ")")
    kind = substr($0, 1, eq - 1); id = substr($0, eq + 2, paren - eq - 2)
    rest = substr($0, paren + 2)
    if (kind ~ /ob$/) {
      if (rest != "") objects[id] = rest
      if (kind == "ob") own = (objects[id] ~ ("/" program "$"))
    } else {
      if (rest != "") names[id] = rest
      if (kind == "fn" && own && names[id] !~ /^0x|^\(/) print names[id]
    }
  }' "$profile" | sort -u > "$out.new"

# Only names the program defines: a function of a shared library is not the linker's to move.
nm --defined-only "$program" | awk '{print $3}' | sort -u | comm -12 "$out.new" - > "$out"
rm -f "$out.new"
echo "$(wc -l < "$out") functions listed in $out"
