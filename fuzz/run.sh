#!/usr/bin/env bash
# fuzz/run.sh BUILD_DIR SECONDS: runs each fuzz target on its corpus (fuzz/corpus/<target>/).
set -euo pipefail
build=$1 seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=offscreen
for bin in "$build"/fuzz/fuzz_*; do
  [ -f "$bin" ] && [ -x "$bin" ] || continue
  name=$(basename "$bin")
  corpus="$here/corpus/$name"
  work=$(mktemp -d)
  mkdir -p "$corpus"
  echo "== $name for ${seconds}s"
  "$bin" -max_total_time="$seconds" -rss_limit_mb=2048 -detect_leaks=0 -artifact_prefix="$work/" "$work" "$corpus" 2>&1 | tail -n 3
done
