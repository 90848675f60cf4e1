#!/usr/bin/env bash
# Times Zyt's Open of the 1,000,000 x 20 benchmark file against
# pandas.read_csv(sep=r"\s+", header=None) of the same file, in one run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ZYT_BUILD_DIR:-build}
dir=${1:-/tmp/zyt-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target bench_read >/dev/null
out=$("$build/bench/bench_read" "$dir")
echo "$out"
zyt=$(echo "$out" | awk '/^open:/ {print $2}')
pandas=$(/usr/bin/python3 - "$dir/bench_1M_20.dat" <<'PY'
import sys, time
import pandas as pd
t = time.perf_counter()
df = pd.read_csv(sys.argv[1], sep=r"\s+", header=None)
print(f"{time.perf_counter() - t:.3f}")
PY
)
echo "pandas read_csv: $pandas s"
/usr/bin/python3 -c "print(f'ratio pandas/zyt: {float($pandas)/float($zyt):.2f}x')"
