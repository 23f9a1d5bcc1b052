#!/usr/bin/env bash
# Whole-process figures against the floor of any Qt program, measured pair by pair in one run:
#   start-up   mirte to its main window mapped  vs  floor-window (one Japanese label) mapped
#   printing   mirte-cli print --sheet year      vs  floor-pdf (one Japanese line on an A4 PDF)
#   memory     peak resident size of the two printing commands
# Prints the ratios. --smoke runs each command twice, only to keep the script working.
# usage: bench/whole-process.sh [--smoke] [BUILD_DIR]
set -euo pipefail

runs=20 warmup=3 memruns=5
if [ "${1:-}" = "--smoke" ]; then
  runs=2 warmup=0 memruns=1
  shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
plan=$root/examples/sample.rv
floor=$build/bench/floor
mirte=$build/src/app/mirte/mirte
cli=$build/src/app/cli/mirte-cli
for program in "$floor/floor-window" "$floor/floor-pdf" "$floor/mapwait" "$mirte" "$cli"; do
  [ -x "$program" ] || { echo "not built: $program" >&2; exit 1; }
done
for tool in hyperfine Xvfb /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (run ./scripts/test once to install it)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, without a window manager; -displayfd writes the number it took.
Xvfb -displayfd 3 -screen 0 1400x1000x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  display=$(cat "$work/display")
  [ -n "$display" ] && break
  sleep 0.1
done
[ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:${display%%[^0-9]*}

# The program's own settings and recovery files go to a scratch home, never the user's.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$HOME"

# mean_of CSV ROW: the mean time in seconds of hyperfine's CSV row ROW (1 = first command).
mean_of() { awk -F, -v row="$2" 'NR == row + 1 { print $2 }' "$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
ms() { awk -v s="$1" 'BEGIN { printf "%.1f", s * 1000 }'; }

measure() { # measure NAME FLOOR_COMMAND MIRTE_COMMAND
  hyperfine -N --style none --warmup "$warmup" --runs "$runs" --export-csv "$work/$1.csv" \
    -n floor "$2" -n mirte "$3" >/dev/null
  local floor_s mirte_s
  floor_s=$(mean_of "$work/$1.csv" 1)
  mirte_s=$(mean_of "$work/$1.csv" 2)
  printf '%-9s mirte %7s ms   floor %7s ms   ratio %s\n' "$1" "$(ms "$mirte_s")" "$(ms "$floor_s")" \
    "$(ratio "$mirte_s" "$floor_s")"
}

peak_kib() { # the largest peak resident size of memruns runs of a command, in KiB
  local best=0 kib i
  for ((i = 0; i < memruns; i++)); do
    kib=$(/usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1)
    [ "$kib" -gt "$best" ] && best=$kib
  done
  echo "$best"
}

measure start-up "'$floor/mapwait' floor-window '$floor/floor-window'" \
  "'$floor/mapwait' 'ミルテ Ver' '$mirte'"
measure print "'$floor/floor-pdf' '$work/floor.pdf'" \
  "'$cli' print '$plan' --sheet year --output '$work/year.pdf'"

floor_kib=$(peak_kib "$floor/floor-pdf" "$work/floor.pdf")
mirte_kib=$(peak_kib "$cli" print "$plan" --sheet year --output "$work/year.pdf")
printf '%-9s mirte %7s MiB  floor %7s MiB  ratio %s\n' memory "$(awk -v k="$mirte_kib" 'BEGIN { printf "%.1f", k / 1024 }')" \
  "$(awk -v k="$floor_kib" 'BEGIN { printf "%.1f", k / 1024 }')" "$(ratio "$mirte_kib" "$floor_kib")"
