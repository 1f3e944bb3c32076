#!/usr/bin/env bash
# qm's line engines against sed and cat on one large module, as whole processes: wall time
# (median of RUNS), system time and peak memory (from /usr/bin/time -v), and qm's start-up time.
#   bench/qm-vs-sed.sh [QM] [SIZE_MB] [RUNS]
# QM defaults to build/release/bin/qm, else build/dev/bin/qm; SIZE_MB to 10; RUNS to 5.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
qm=${1:-}
if [[ -z $qm ]]; then
    qm=build/release/bin/qm
    [[ -x $qm ]] || qm=build/dev/bin/qm
fi
size_mb=${2:-10}
runs=${3:-5}
[[ -x $qm ]] || { echo "no qm at $qm; build it first" >&2; exit 2; }
[[ -x /usr/bin/time ]] || { echo "needs /usr/bin/time (apt-get install time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
module=$work/module.bas

# A module of procedures with nested blocks, CR LF line ends, SIZE_MB megabytes.
awk -v target=$((size_mb * 1024 * 1024)) 'BEGIN {
    ORS = "\r\n"; n = 0; bytes = 0
    while (bytes < target) {
        n++
        lines[1] = "Public Function Total" n "(ByVal iCount As Integer) As Currency"
        lines[2] = "    Dim i As Integer, cSum As Currency"
        lines[3] = "    For i = 1 To iCount"
        lines[4] = "        If i Mod 2 = 0 Then"
        lines[5] = "            cSum = cSum + Price(i) * 1.5 \047 even rows"
        lines[6] = "        Else"
        lines[7] = "            cSum = cSum - Discount(i)"
        lines[8] = "        End If"
        lines[9] = "    Next i"
        lines[10] = "    Total" n " = cSum"
        lines[11] = "End Function"
        for (k = 1; k <= 11; k++) { print lines[k]; bytes += length(lines[k]) + 2 }
    }
}' > "$module"
commented=$work/commented.bas
"$qm" --today 2026-12-09 --name bench comment-lines "$module" > "$commented"
deleted=$work/deleted.bas
"$qm" --today 2026-12-09 --name bench block delete "$module" > "$deleted"

# Each command is added with its label and input; then RUNS rounds run every command once in
# turn, so that a busy moment of the machine falls on all of them alike rather than on the five
# runs of one. The wall time is the median; one more run under time -v gives system time and
# peak memory.
labels=()
inputs=()
commands=()
add() {
    labels+=("$1")
    inputs+=("$2")
    shift 2
    commands+=("$(printf '%q ' "$@")")
}
add cat "$module" cat
add sed "$module" sed "s/^/'* /"
add comment-lines "$module" "$qm" --today 2026-12-09 --name bench comment-lines
add uncomment-lines "$commented" "$qm" uncomment-lines
add indent-lines "$module" "$qm" indent-lines
add comment "$module" "$qm" --today 2026-12-09 --name bench comment
add uncomment "$commented" "$qm" uncomment
add indent "$module" "$qm" indent
add block-change "$module" "$qm" --today 2026-12-09 --name bench block change
add block-delete "$module" "$qm" --today 2026-12-09 --name bench block delete
add block-remove "$deleted" "$qm" block remove
add strip-comments "$module" "$qm" strip-comments --all
add xbase "$module" "$qm" xbase
add procedures "$module" "$qm" procedures
add analyze "$module" "$qm" analyze
add errtrap-add "$module" "$qm" errtrap add
add document "$module" "$qm" --today 2026-12-09 --name bench document --template resources/doctmplt.txt

for ((r = 0; r < runs; r++)); do
    for i in "${!labels[@]}"; do
        # bash's own clock: starting `date` around each run would add its start-up to both sides
        start=${EPOCHREALTIME/[.,]/}
        eval "${commands[$i]}" < "${inputs[$i]}" > /dev/null
        end=${EPOCHREALTIME/[.,]/}
        echo "$((end - start))" >> "$work/${labels[$i]}.times"
    done
done

echo "module: $(wc -c < "$module") bytes, $(wc -l < "$module") lines; qm: $qm; median of $runs"
printf '%-22s %11s %10s %12s\n' command wall system "peak memory"
for i in "${!labels[@]}"; do
    label=${labels[$i]}
    median=$(sort -n "$work/$label.times" | awk '{ a[NR] = $1 } END { printf "%.6f", a[int((NR + 1) / 2)] / 1000000 }')
    echo "$median" > "$work/$label.median"
    eval "/usr/bin/time -v ${commands[$i]}" < "${inputs[$i]}" > /dev/null 2> "$work/time.txt"
    sys=$(awk -F': ' '/System time/ { print $2 }' "$work/time.txt")
    rss=$(awk -F': ' '/Maximum resident/ { print $2 }' "$work/time.txt")
    printf '%-22s %9.3f s %8s s %9d KB\n' "$label" "$median" "$sys" "$rss"
done

sed_time=$(cat "$work/sed.median")
echo
echo "qm / sed (goal: at most 0.5):"
for engine in comment-lines uncomment-lines indent-lines comment uncomment indent \
    block-change block-delete block-remove strip-comments xbase procedures analyze errtrap-add \
    document; do
    printf '  %-18s %.2f\n' "$engine" "$(echo "$(cat "$work/$engine.median") / $sed_time" | bc -l)"
done

# Start-up: qm --version against /bin/true (what starting any process costs here), the median
# of 21 runs each.
median_start() {
    local starts=() r start end
    for ((r = 0; r < 21; r++)); do
        start=${EPOCHREALTIME/[.,]/}
        "$@" > /dev/null
        end=${EPOCHREALTIME/[.,]/}
        starts+=($((end - start)))
    done
    printf '%s\n' "${starts[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}
qm_start=$(median_start "$qm" --version)
true_start=$(median_start /bin/true)
printf '\nstart-up, median of 21 (microseconds): qm --version %d, /bin/true %d, qm'"'"'s own %d\n' \
    "$qm_start" "$true_start" $((qm_start - true_start))
echo "(goal: qm's own start-up at most 5 ms)"
