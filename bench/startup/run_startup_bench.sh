#!/usr/bin/env bash
# Start-up benchmark: time from process start to the main window being mapped,
# and resident memory once start-up has settled, for quillform and for
# bare-qt-window (one empty QMainWindow: the floor of the toolkit), measured
# side by side on a private Xvfb.
#
# usage: bash bench/startup/run_startup_bench.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  where quillform, bare-qt-window and map-watcher are (default: build)
#   RUNS       timed runs of each program after one warm-up (default: 15, or $RUNS)
#
# Aim: quillform at most 1.5 times the bare program's start-up, under 60 MB resident.
# This is a benchmark, not a test: it reports and does not fail on a missed aim.
set -euo pipefail

build=${1:-build}
runs=${2:-${RUNS:-15}}
settle_ms=300
timeout_s=20

die() { echo "run_startup_bench: $*" >&2; exit 1; }

[[ $runs =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive whole number, got '$runs'"
watcher=$build/map-watcher
bare=$build/bare-qt-window
quill=$build/quillform
for exe in "$watcher" "$bare" "$quill"; do
    [[ -x $exe ]] || die "$exe is missing; build first: cmake -S . -B $build -G Ninja && ninja -C $build"
done
command -v Xvfb >/dev/null || die "Xvfb is not installed (apt-get install xvfb)"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb chooses a free display itself and writes its number to fd 3 once it
# accepts connections, so there is no guessing of display numbers and no race.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
display=
for _ in $(seq 100); do
    read -r display <"$work/display" || true
    [[ -n $display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; die "Xvfb exited at start-up"; }
    sleep 0.1
done
[[ -n $display ]] || die "Xvfb did not become ready within 10 s"

export DISPLAY=:$display
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
# A private runtime directory keeps Qt quiet and away from the user's session.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# measure NAME EXE: one start-up; appends to $work/NAME.ms and $work/NAME.kb.
measure() {
    local name=$1 exe=$2 out
    if ! out=$("$watcher" --timeout "$timeout_s" --settle "$settle_ms" -- "$exe" 2>"$work/last.log"); then
        echo "run_startup_bench: $exe did not start and map a window; its output:" >&2
        sed 's/^/    /' "$work/last.log" >&2
        exit 1
    fi
    awk '$1 == "map_ms" { print $2 }' <<<"$out" >>"$work/$name.ms"
    awk '$1 == "rss_kb" { print $2 }' <<<"$out" >>"$work/$name.kb"
}

median() { sort -g "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
minimum() { sort -g "$1" | head -n1; }
maximum() { sort -g "$1" | tail -n1; }

echo "start-up to window map on Xvfb $DISPLAY: 1 warm-up + $runs runs each, RSS read ${settle_ms} ms after the map"

# The warm-up fills the page cache and font caches for both; it is not counted.
measure bare "$bare"
measure quill "$quill"
rm -f "$work"/*.ms "$work"/*.kb

# Alternate the order so neither program always runs on the other's heels.
for ((i = 1; i <= runs; i++)); do
    if ((i % 2)); then
        measure bare "$bare"; measure quill "$quill"
    else
        measure quill "$quill"; measure bare "$bare"
    fi
    printf '.' >&2
done
echo >&2

bare_ms=$(median "$work/bare.ms")
quill_ms=$(median "$work/quill.ms")
bare_kb=$(median "$work/bare.kb")
quill_kb=$(median "$work/quill.kb")

# VmRSS is in KiB; the aim is stated in MB (10^6 bytes).
awk -v bm="$bare_ms" -v qm="$quill_ms" -v bk="$bare_kb" -v qk="$quill_kb" \
    -v bmin="$(minimum "$work/bare.ms")" -v bmax="$(maximum "$work/bare.ms")" \
    -v qmin="$(minimum "$work/quill.ms")" -v qmax="$(maximum "$work/quill.ms")" 'BEGIN {
    mb = 1024 / 1e6
    printf "%-16s %10s %8s %8s %10s\n", "program", "median ms", "min ms", "max ms", "RSS MB"
    printf "%-16s %10.1f %8.1f %8.1f %10.1f\n", "bare-qt-window", bm, bmin, bmax, bk * mb
    printf "%-16s %10.1f %8.1f %8.1f %10.1f\n", "quillform", qm, qmin, qmax, qk * mb
    ratio = qm / bm
    printf "ratio quillform/bare: %.2f   (aim <= 1.50: %s)\n", ratio, ratio <= 1.5 ? "met" : "MISSED"
    printf "quillform RSS: %.1f MB   (aim < 60 MB: %s)\n", qk * mb, qk * mb < 60 ? "met" : "MISSED"
}'
