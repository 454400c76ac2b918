#!/usr/bin/env bash
# dotsign-cli sim: a virtual card on a pseudo-terminal answers frames written
# to its port path, records them and stops cleanly on SIGINT and SIGTERM.
set -euo pipefail
cli=${DOTSIGN_CLI:?}
work=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

start() { # start ARGS... : runs the card, sets $pid and $port
    rm -f "$work/out"
    "$cli" sim "$@" > "$work/out" 2> "$work/err" &
    pid=$!
    for _ in $(seq 100); do [ -s "$work/out" ] && break; sleep 0.05; done
    port=$(head -1 "$work/out")
    test -c "$port"
}

# send HEX: writes the frame and prints the answer's hex (empty when none in 0.5 s).
send() {
    exec 3<>"$port"
    echo "$1" | xxd -r -p >&3
    timeout 0.5 cat <&3 | od -An -tx1 | tr -s ' \n' ' ' | sed 's/^ //;s/ $//' || true
    exec 3>&-
}

start --class B --address 1 --record "$work/rec"
test "$(send "$("$cli" frame power on)")" = "60 01 00"
test "$(send "$("$cli" frame read-settings)" | wc -w)" = 33
test "$(send "$("$cli" frame power on --address 2)")" = ""
kill -INT "$pid"
wait "$pid"
pid=
grep -q "power on to 1 -> 60 01 00" "$work/rec"
grep -q "read settings of 1" "$work/rec"
grep -q "(not for us)" "$work/rec"

start --class A
test "$(send "$("$cli" frame power on)")" = ""
kill -TERM "$pid"
wait "$pid"
pid=
grep -q "power on to 1" "$work/out"

# Bad options are refused before any port is made.
for bad in "--class D" "--address 300" "--baud fast" "extra"; do
    rc=0
    timeout 5 "$cli" sim $bad > /dev/null 2>&1 || rc=$?
    if [ "$rc" != 2 ]; then echo "sim $bad: exit $rc, want 2"; exit 1; fi
done
