#!/usr/bin/env bash
# RUKコン side by side with a bare Qt 6 window (built by the bench) and QJoyPad where it is
# installed, all on one headless display: start-up, memory, idle CPU, and the full-load cycle.
# Run under tools/headless.sh (make bench does):  bench/compare.sh BUILD_DIR [REFERENCE_BUILD_DIR]
# With a second build folder (an earlier commit, say) its program and its bench_app run in the
# same run too, for memory and idle CPU: before and after, side by side.
#
# Start-up: median of 5 starts, from exec to the first map of a window with the program's
#           caption (bench_startup watches MapNotify on the root).
# Memory:   10 s after the start, from /proc/PID/smaps: private dirty memory (what the program
#           wrote itself: heap, stacks, written data), of it the heap (the [heap] mapping and the
#           anonymous ones), and VmRSS with a breakdown by category (most of it shared, clean
#           library pages; shown, no longer a goal).
# Idle CPU: CPU time over the next 60 s (IDLE_SECONDS) as a share of one core, in nanoseconds
#           (the sum of /proc/PID/task/*/schedstat), the same way for every program. RUKコン with
#           no controller (the executable, reaction time 50), and polled every 50 ms with a
#           virtual controller (bench_app, the same program on the real backends), beside the
#           floor of waking at that period: a C loop waiting 50 ms in poll(), and the bare
#           window waking an empty 50 ms timer.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
reference=${2:+$(cd "$2" && pwd)}
idle_seconds=${IDLE_SECONDS:-60}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
scratch=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$scratch"' EXIT

# RUKコン runs from a scratch application folder with a last-exit profile: reaction time 50,
# no key held, a target that does not exist (so nothing is typed anywhere).
app_copy() { # folder build
    mkdir -p "$1/設定"
    cp "$2/rukcon" "$1/rukcon"
    [ -f "$2/rukcon-sdl.so" ] && cp "$2/rukcon-sdl.so" "$1/"
    [ -d "$2/bgm" ] && cp -r "$2/bgm" "$1/"
    python3 "$here/write-idle-profile.py" "$1/設定/前回.txt"
}
app_copy "$scratch/app" "$build"
[ -n "$reference" ] && app_copy "$scratch/reference" "$reference"

names=(rukcon bare)
declare -A caption command
caption[rukcon]="R・U・Kコン";        command[rukcon]="$scratch/app/rukcon"
caption[bare]="bare-qt-window";        command[bare]="$build/bench/bench_bare_qt_window"
if command -v qjoypad >/dev/null; then
    names+=(qjoypad)
    # Without a tray host QJoyPad shows its floating icon window.
    caption[qjoypad]="QJoyPad";          command[qjoypad]="qjoypad --notray"
    export HOME="$scratch/home"; mkdir -p "$HOME"
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

declare -A start rss dirty heap cpu
for round in 1 2 3 4 5; do
    for n in "${names[@]}"; do
        # shellcheck disable=SC2086
        t=$("$build/bench/bench_startup" "${caption[$n]}" ${command[$n]} 2>/dev/null) || t=nan
        start[$n]+="$t "
    done
done
for n in "${names[@]}"; do start[$n]=$(tr ' ' '\n' <<<"${start[$n]}" | grep -v '^$' | median); done

# Memory and idle CPU: all programs at once, each left alone.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'; }
declare -A pid
launch() { # name command…
    local n=$1; shift
    "$@" >/dev/null 2>&1 &
    pid[$n]=$!; pids+=($!)
}
for n in "${names[@]}"; do
    # shellcheck disable=SC2086
    launch "$n" ${command[$n]}
done
# bench_app ends by itself after the measurement.
app_seconds=$((idle_seconds + 15))
launch virtual "$build/bench/bench_app" idle "$app_seconds"
launch ticking "$build/bench/bench_bare_qt_window" 50
launch floor "$build/bench/bench_poll_floor" 50
measured=("${names[@]}" virtual ticking floor)
if [ -n "$reference" ]; then
    launch ref_rukcon "$scratch/reference/rukcon"
    launch ref_virtual "$reference/bench/bench_app" idle "$app_seconds"
    measured+=(ref_rukcon ref_virtual)
fi
sleep 10
declare -A t0
# Sums of Private_Dirty in MB: all mappings, then [heap] and the anonymous ones.
private_dirty() {
    [ -s "$1" ] || { echo "- -"; return; }
    awk '/^[0-9a-f]+-[0-9a-f]+ / { name = $6; heap = (name == "" || name == "[heap]" || name ~ /^\[anon/) }
         /^Private_Dirty:/ { all += $2; if (heap) h += $2 }
         END { printf "%.1f %.1f\n", all / 1024, h / 1024 }' "$1"
}
for n in "${measured[@]}"; do
    rss[$n]=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/${pid[$n]}/status")
    cp "/proc/${pid[$n]}/smaps" "$scratch/$n.smaps" 2>/dev/null
    read -r dirty[$n] heap[$n] < <(private_dirty "$scratch/$n.smaps")
    t0[$n]=$(cpu_ns "${pid[$n]}")
done
sleep "$idle_seconds"
for n in "${measured[@]}"; do
    cpu[$n]=$(awk -v a="${t0[$n]}" -v b="$(cpu_ns "${pid[$n]}")" -v s="$idle_seconds" \
        'BEGIN { printf "%.3f", (b - a) / 1e7 / s }')
done

printf '\n%-34s %12s %12s %12s %10s %10s\n' "" "RUKコン" "bare Qt 6" "QJoyPad" "/ bare" "/ QJoyPad"
row() { # label, unit, key
    local r b q
    case $3 in start) r=${start[rukcon]}; b=${start[bare]}; q=${start[qjoypad]:-};;
               rss) r=${rss[rukcon]}; b=${rss[bare]}; q=${rss[qjoypad]:-};;
               dirty) r=${dirty[rukcon]}; b=${dirty[bare]}; q=${dirty[qjoypad]:-};;
               heap) r=${heap[rukcon]}; b=${heap[bare]}; q=${heap[qjoypad]:-};;
               cpu) r=${cpu[rukcon]}; b=${cpu[bare]}; q=${cpu[qjoypad]:-};; esac
    printf '%-32s %12s %12s %12s %10s %10s\n' "$1 ($2)" "$r" "$b" "${q:--}" "$(ratio "$r" "$b")" \
        "$( [ -n "$q" ] && ratio "$r" "$q" || echo -)"
}
row "start-up, median of 5" ms start
row "private dirty after 10 s" MB dirty
row "  of it the heap" MB heap
row "RSS 10 s after start" MB rss
row "idle CPU, no controller" "% core" cpu
if [ -n "$reference" ]; then
    printf '%-32s %12s   (private dirty %s MB, heap %s MB, RSS %s MB)\n' "  reference build, no controller" \
        "${cpu[ref_rukcon]}" "${dirty[ref_rukcon]}" "${heap[ref_rukcon]}" "${rss[ref_rukcon]}"
    printf '%-32s %12s MB   (private dirty %s MB)\n' "  heap, this build - reference" \
        "$(awk -v a="${heap[rukcon]}" -v b="${heap[ref_rukcon]}" 'BEGIN { printf "%+.1f", a - b }')" \
        "$(awk -v a="${dirty[rukcon]}" -v b="${dirty[ref_rukcon]}" 'BEGIN { printf "%+.1f", a - b }')"
fi
printf 'Goals: start-up 1.20 x bare = %.1f ms; heap (private dirty) at least 1 MB below the reference build; RSS is no goal\n' \
    "$(awk -v b="${start[bare]}" 'BEGIN { print b * 1.20 }')"

printf '\nidle CPU, woken every 50 ms (%% of a core over %d s)   %10s %10s\n' "$idle_seconds" "/ C loop" "/ Qt timer"
# printf pads by bytes: a label with wide characters gets the difference to its display width.
padded() { # width text
    local bytes columns
    bytes=$(printf %s "$2" | wc -c); columns=$(printf %s "$2" | LC_ALL=C.UTF-8 wc -L)
    printf "%-$(($1 + bytes - columns))s" "$2"
}
polled() { printf '  %s %7s %10s %10s\n' "$(padded 46 "$1")" "${cpu[$2]}" "$(ratio "${cpu[$2]}" "${cpu[floor]}")" \
    "$(ratio "${cpu[$2]}" "${cpu[ticking]}")"; }
polled "C loop waiting 50 ms in poll() (the floor)" floor
polled "bare Qt window, empty 50 ms timer" ticking
polled "RUKコン, virtual controller polled at 50 ms" virtual
[ -n "$reference" ] && polled "  reference build, the same" ref_virtual

echo
breakdown=(bare="$scratch/bare.smaps" RUKコン="$scratch/rukcon.smaps")
[ -n "$reference" ] && breakdown+=(reference="$scratch/ref_rukcon.smaps")
python3 "$here/rss-breakdown.py" "${breakdown[@]}"

"$build/bench/bench_app" full-load 200 2>/dev/null
