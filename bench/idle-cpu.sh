#!/usr/bin/env bash
# CPU time the idle program uses per minute while it polls every 50 ms: a copy of the
# executable in a scratch folder, a last-exit profile with reaction time 50, no controller held.
# Run under tools/headless.sh (make bench does). Prints user+system seconds per minute.
set -euo pipefail
exe=${1:-build/rukcon}
seconds=${SECONDS_TO_RUN:-60}
dir=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
cp "$exe" "$dir/rukcon"
mkdir -p "$dir/設定"
python3 - "$dir/設定/前回.txt" <<'PY'
import sys
lines = ["なし"] * 45
lines[30], lines[33], lines[36], lines[39] = "←", "→", "↑", "↓"
lines += ["50", "1", "idle", "no such window"]
with open(sys.argv[1], "wb") as f:
    for v in lines:
        f.write(('"' + v + '"\r\n').encode("cp932"))
PY
SDL_AUDIODRIVER=dummy "$dir/rukcon" >/dev/null 2>&1 &
pid=$!
sleep 6 # start-up, then the first status tick starts polling
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
start=$(ticks)
sleep "$seconds"
end=$(ticks)
hz=$(getconf CLK_TCK)
awk -v a="$start" -v b="$end" -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "idle program, polling every 50 ms: %.3f s CPU per minute (%.2f%% of one core)\n", (b-a)/hz*60/s, (b-a)/hz/s*100 }'
