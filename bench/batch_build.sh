#!/bin/sh
# `qtedit2 --build` timed as whole processes, as a timer or a script runs it: the example
# launcher file, and 10,000 items in 100 sections (as YAML and as .qtf). No display.
#   bench/batch_build.sh [build folder] [runs]
set -eu
BUILD=${1:-build}
RUNS=${2:-9}
QTEDIT2="$BUILD/bin/qtedit2"
[ -x "$QTEDIT2" ] || { echo "build $QTEDIT2 first" >&2; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp "$(dirname "$0")/../examples/Tools.qtf" "$WORK/Tools.qtf"

# 100 sections of 100 items; every tenth item names one of ten programs' icons, so the
# build extracts icons as a real page does.
awk 'BEGIN {
    split("sh ls cat cp mv rm grep sed awk tar", program, " ")
    print "properties: {P_TITLE: Ten thousand}"
    print "sections:"
    for (s = 1; s <= 100; s++) {
        printf "  - name: Section %d\n    columns: 10\n    items:\n", s
        for (i = 1; i <= 100; i++) {
            icon = (i % 10 == 0) ? ", icon: /usr/bin/" program[i / 10] : ""
            printf "      - {description: Item %d.%d, command: /usr/bin/prog%d, parameters: --n %d%s}\n", s, i, i, i, icon
        }
    }
}' >"$WORK/Big.yaml"
"$QTEDIT2" --convert "$WORK/Big.yaml" --output "$WORK/Big.qtf"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

time_build() { # name file
    : >"$WORK/times"
    i=0
    while [ "$i" -lt "$RUNS" ]; do
        start=$(now_ms)
        "$QTEDIT2" --build "$2" --output "$WORK/page.htm"
        echo $(($(now_ms) - start)) >>"$WORK/times"
        i=$((i + 1))
    done
    printf '%-28s median %4d ms, fastest %4d ms (%d runs, page %d bytes)\n' "$1" \
        "$(median <"$WORK/times")" "$(sort -n "$WORK/times" | head -n 1)" "$RUNS" \
        "$(wc -c <"$WORK/page.htm")"
}

time_build "example (Tools.qtf)" "$WORK/Tools.qtf"
time_build "10,000 items (.yaml)" "$WORK/Big.yaml"
time_build "10,000 items (.qtf)" "$WORK/Big.qtf"
