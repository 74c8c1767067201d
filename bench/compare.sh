#!/usr/bin/env bash
# RUKコン side by side with a bare Qt 6 window (built by the bench) and QJoyPad where it is
# installed, all on one headless display: start-up, memory, idle CPU, and the full-load cycle.
# Run under tools/headless.sh (make bench does):  bench/compare.sh BUILD_DIR
#
# Start-up: median of 5 starts, from exec to the first map of a window with the program's
#           caption (bench_startup watches MapNotify on the root).
# RSS:      VmRSS 10 s after the start.
# Idle CPU: user + system time over the next 60 s (IDLE_SECONDS), as a share of one core;
#           RUKコン with no controller (the executable, reaction time 50), and with a virtual
#           controller polled every 50 ms (bench_app, the same program on the real backends).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
idle_seconds=${IDLE_SECONDS:-60}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
scratch=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$scratch"' EXIT

# RUKコン runs from a scratch application folder with a last-exit profile: reaction time 50,
# no key held, a target that does not exist (so nothing is typed anywhere).
mkdir -p "$scratch/app/設定"
cp "$build/rukcon" "$scratch/app/rukcon"
[ -f "$build/rukcon-sdl.so" ] && cp "$build/rukcon-sdl.so" "$scratch/app/"
[ -d "$build/bgm" ] && cp -r "$build/bgm" "$scratch/app/"
python3 "$here/write-idle-profile.py" "$scratch/app/設定/前回.txt"

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

declare -A start rss cpu
for round in 1 2 3 4 5; do
    for n in "${names[@]}"; do
        # shellcheck disable=SC2086
        t=$("$build/bench/bench_startup" "${caption[$n]}" ${command[$n]} 2>/dev/null) || t=nan
        start[$n]+="$t "
    done
done
for n in "${names[@]}"; do start[$n]=$(tr ' ' '\n' <<<"${start[$n]}" | grep -v '^$' | median); done

# Memory and idle CPU: all programs at once, each left alone.
hz=$(getconf CLK_TCK)
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
declare -A pid
for n in "${names[@]}"; do
    # shellcheck disable=SC2086
    ${command[$n]} >/dev/null 2>&1 &
    pid[$n]=$!; pids+=($!)
done
"$build/bench/bench_app" idle "$idle_seconds" >"$scratch/virtual" 2>/dev/null &
virtual_pid=$!; pids+=($!)
# The reference for polling at 50 ms: the bare window waking an empty 50 ms timer.
"$build/bench/bench_bare_qt_window" 50 >/dev/null 2>&1 &
ticking_pid=$!; pids+=($!)
sleep 10
declare -A t0
for n in "${names[@]}"; do
    rss[$n]=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/${pid[$n]}/status")
    t0[$n]=$(ticks "${pid[$n]}")
done
ticking0=$(ticks "$ticking_pid")
sleep "$idle_seconds"
ticking=$(awk -v a="$ticking0" -v b="$(ticks "$ticking_pid")" -v hz="$hz" -v s="$idle_seconds" \
    'BEGIN { printf "%.3f", (b - a) / hz / s * 100 }')
for n in "${names[@]}"; do
    cpu[$n]=$(awk -v a="${t0[$n]}" -v b="$(ticks "${pid[$n]}")" -v hz="$hz" -v s="$idle_seconds" \
        'BEGIN { printf "%.3f", (b - a) / hz / s * 100 }')
done
if [ -f /proc/${pid[rukcon]}/smaps_rollup ]; then
    cp "/proc/${pid[rukcon]}/smaps" "$scratch/rukcon.smaps" 2>/dev/null
fi
wait "$virtual_pid"
virtual=$(cat "$scratch/virtual")

printf '\n%-34s %12s %12s %12s %10s %10s\n' "" "RUKコン" "bare Qt 6" "QJoyPad" "/ bare" "/ QJoyPad"
row() { # label, unit, key
    local r=${start[rukcon]} b q
    case $3 in start) r=${start[rukcon]}; b=${start[bare]}; q=${start[qjoypad]:-};;
               rss) r=${rss[rukcon]}; b=${rss[bare]}; q=${rss[qjoypad]:-};;
               cpu) r=${cpu[rukcon]}; b=${cpu[bare]}; q=${cpu[qjoypad]:-};; esac
    printf '%-32s %12s %12s %12s %10s %10s\n' "$1 ($2)" "$r" "$b" "${q:--}" "$(ratio "$r" "$b")" \
        "$( [ -n "$q" ] && ratio "$r" "$q" || echo -)"
}
row "start-up, median of 5" ms start
row "RSS 10 s after start" MB rss
row "idle CPU, no controller" "% core" cpu
printf '%-32s %12s %12s %12s %10s\n' "idle CPU, polled at 50 ms (% core)" "$virtual" "$ticking" "" \
    "$(ratio "$virtual" "$ticking")"
printf '  (RUKコン with a virtual controller; the bare window with an empty 50 ms timer)\n'
printf 'RSS goal: bare + 4 MB = %.1f MB; start-up goal: 1.15 x bare = %.1f ms\n' \
    "$(awk -v b="${rss[bare]}" 'BEGIN { print b + 4 }')" "$(awk -v b="${start[bare]}" 'BEGIN { print b * 1.15 }')"
"$build/bench/bench_app" full-load 200 2>/dev/null
