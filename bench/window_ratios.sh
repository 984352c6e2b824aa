#!/usr/bin/env bash
# Runs the window benchmarks offscreen ten times each and prints the medians and the ratios of the
# editor's brush move and whole-view repaint to the bare QImage widget's.
# Usage: bench/window_ratios.sh BUILD_DIR
set -euo pipefail
build=${1:?build directory}
export QT_QPA_PLATFORM=offscreen
json=$(mktemp)
trap 'rm -f "$json"' EXIT
"$build/bench/corvanth_qt_bench" --benchmark_filter='Move|Repaint' --benchmark_repetitions=10 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$json" 2>/dev/null
python3 - "$json" <<'PY'
import json, sys
medians = {b["run_name"]: b["cpu_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]
           if b.get("aggregate_name") == "median"}
for ours, bare in (("BM_BrushMove", "BM_BareBrushMove"), ("BM_ViewRepaint", "BM_BareViewRepaint")):
    print(f"{ours}: {medians[ours]:.1f} us, bare {medians[bare]:.1f} us, ratio {medians[ours] / medians[bare]:.2f}")
PY
