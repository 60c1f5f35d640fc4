#!/bin/sh
# Start-to-page-loaded for a launcher page of 1,000 items: the runner against Debian's
# Chromium opening the same file headless, side by side in one run; plus memory.
#   bench/runner_vs_chromium.sh [build folder] [runs]
# Installs the chromium package when it is missing (needs root); nothing else does.
set -eu
BUILD=${1:-build}
RUNS=${2:-7}
BENCH="$BUILD/bench/bench_runner_load"
[ -x "$BENCH" ] || { echo "build $BENCH first" >&2; exit 1; }

if ! command -v chromium >/dev/null 2>&1; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq chromium >/dev/null
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PAGE="$WORK/thousand.htm"
"$BENCH" --write "$PAGE"

export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
    QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

: >"$WORK/runner.ms"; : >"$WORK/chromium.ms"; : >"$WORK/runner.out"
i=0
while [ "$i" -lt "$RUNS" ]; do
    # Alternate the two so that neither profits from a warmer cache.
    t0=$(now_ms)
    "$BENCH" "$PAGE" 2>/dev/null >>"$WORK/runner.out"
    echo $(($(now_ms) - t0)) >>"$WORK/runner.ms"
    t0=$(now_ms)
    chromium --headless --disable-gpu --no-sandbox --user-data-dir="$WORK/profile" \
        --dump-dom "file://$PAGE" >/dev/null 2>&1
    echo $(($(now_ms) - t0)) >>"$WORK/chromium.ms"
    i=$((i + 1))
done

R=$(median <"$WORK/runner.ms")
C=$(median <"$WORK/chromium.ms")
echo "runs: $RUNS, page: 1,000 items"
echo "runner   process start to exit after load: median ${R} ms ($(tr '\n' ' ' <"$WORK/runner.ms"))"
echo "chromium process start to exit after load: median ${C} ms ($(tr '\n' ' ' <"$WORK/chromium.ms"))"
awk -v r="$R" -v c="$C" 'BEGIN {printf "ratio runner/chromium: %.2f\n", r / c}'
echo "runner, inside: $(sed -n 's/.*loaded (ok) \([0-9]*\) ms.*/\1/p' "$WORK/runner.out" | median) ms main-to-loaded;" \
    "$(tail -n 1 "$WORK/runner.out" | sed 's/.*; //')"
if [ -x /usr/bin/time ]; then
    /usr/bin/time -f "chromium peak RSS of its main process: %M kB" chromium --headless \
        --disable-gpu --no-sandbox --user-data-dir="$WORK/profile" --dump-dom "file://$PAGE" \
        2>&1 >/dev/null | tail -n 1
fi
