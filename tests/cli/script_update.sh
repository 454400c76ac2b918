#!/usr/bin/env bash
# The README's "update a sign from a script" example, run against the virtual card.
set -euo pipefail
cli=${DOTSIGN_CLI:?} src=${DOTSIGN_SRC:?}
work=$(mktemp -d)
cleanup() { [ -n "${sim:-}" ] && kill "$sim" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
cp -r "$src/samples/Project" "$work/shop"

# A virtual B-class card at address 1; its first line is the port to use.
"$cli" sim --class B --address 1 --record "$work/card.log" > "$work/sim.out" &
sim=$!
for _ in $(seq 100); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
port=$(head -n 1 "$work/sim.out")
test -e "$port"

# --- the example ---
PROJECT="$work/shop/Project.kvp"
"$cli" set-text "$PROJECT" --program 2 --zone 1 --text "今日特价：鸡蛋4.98元/斤"
"$cli" check "$PROJECT"
"$cli" send "$PROJECT" --port "$port" --yes
# ---

for _ in $(seq 50); do grep -q 'end of program 3' "$work/card.log" 2>/dev/null && break; sleep 0.1; done
grep -c 'program index' "$work/card.log" | grep -qx 3
