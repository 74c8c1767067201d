#!/usr/bin/env bash
# Idle cost of two builds of the program side by side in one run, with no controller attached:
# CPU time (nanoseconds from each thread's schedstat) over a window, then the system calls of
# every thread over 10 s (strace -c -f), which counts the wake-ups. Each copy runs from its own
# scratch folder with the effects beside it and a last-exit profile with reaction time 50.
# Run under tools/headless.sh as root (strace attaches to the running programs):
#   tools/headless.sh bench/idle-side-by-side.sh REFERENCE_EXE NEW_EXE [BGM_FOLDER]
# NEW_AUTO_SWITCH=1 turns automatic switching on in the new copy only; with the same executable
# twice that compares the option on and off while no window changes.
# REFERENCE_ENV and NEW_ENV, when set, are env(1) arguments for each copy; the same build on X11
# and on a headless sway, for instance:
#   tools/headless.sh tools/headless-sway.sh env REFERENCE_ENV="-u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb" \
#       NEW_ENV="-u DISPLAY QT_QPA_PLATFORM=wayland" bench/idle-side-by-side.sh build/rukcon build/rukcon
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
ref=$1
new=$2
bgm=${3:-$(dirname "$new")/bgm}
seconds=${SECONDS_TO_RUN:-60}
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done; rm -rf "$work"' EXIT

start_copy() { # name exe env-arguments [option of write-idle-profile.py]
    local dir=$work/$1
    mkdir -p "$dir/設定"
    cp "$2" "$dir/rukcon"
    # The backend module beside the executable, where a build has one.
    local module=$(dirname "$2")/rukcon-sdl.so
    [ -f "$module" ] && cp "$module" "$dir/"
    cp -r "$bgm" "$dir/bgm"
    python3 "$here/write-idle-profile.py" "$dir/設定/前回.txt" ${4:-}
    # shellcheck disable=SC2086
    (cd "$dir" && SDL_AUDIODRIVER=dummy exec env ${3:-} ./rukcon >"$dir/log" 2>&1) &
    pids+=($!)
}

cpu_ns() { # pid: CPU time of all its threads so far (a thread may end while they are read)
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%d", s}'
}

start_copy reference "$ref" "${REFERENCE_ENV:-}"
start_copy new "$new" "${NEW_ENV:-}" "$([ "${NEW_AUTO_SWITCH:-0}" = 1 ] && echo --auto-switch)"
# Start-up, the first status tick (5 s) and the silence after the start-up click.
sleep 9
for i in 0 1; do kill -0 "${pids[$i]}" || { echo "copy $i ended early:"; cat "$work"/*/log; exit 1; }; done

a0=$(cpu_ns "${pids[0]}"); b0=$(cpu_ns "${pids[1]}")
sleep "$seconds"
a1=$(cpu_ns "${pids[0]}"); b1=$(cpu_ns "${pids[1]}")

for i in 0 1; do
    strace -c -f -q -o "$work/strace.$i" -p "${pids[$i]}" &
    tracers[$i]=$!
done
sleep 10
kill -INT "${tracers[0]}" "${tracers[1]}"
wait "${tracers[0]}" "${tracers[1]}" 2>/dev/null || true

calls() { awk '$NF == "total" {print $(NF-1)}' "$1"; }
report() { # name cpu0 cpu1 pid stracefile
    awk -v n="$1" -v a="$2" -v b="$3" -v s="$seconds" -v t="$(ls /proc/"$4"/task | wc -l)" -v c="$(calls "$5")" \
        'BEGIN { printf "%-10s %8.2f ms CPU in %d s = %7.4f %% of a core; %2d threads; %6d system calls in 10 s\n",
                 n, (b-a)/1e6, s, (b-a)/1e7/s, t, c }'
}
echo "idle, no controller, reaction time 50 ms$([ "${NEW_AUTO_SWITCH:-0}" = 1 ] && echo "; new: 自動切替 on")"
report reference "$a0" "$a1" "${pids[0]}" "$work/strace.0"
report new "$b0" "$b1" "${pids[1]}" "$work/strace.1"
for i in 0 1; do
    echo "--- system calls, $([ $i = 0 ] && echo reference || echo new)"
    sed -n '1,12p' "$work/strace.$i"
done
