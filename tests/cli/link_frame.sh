#!/usr/bin/env bash
# dotsign-cli frame: the controller frames as the application sends them.
set -euo pipefail
cli=${DOTSIGN_CLI:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect() { # expect "HEX" frame ARGS...
    local want=$1; shift
    local got
    got=$("$cli" frame "$@")
    if [ "$got" != "$want" ]; then
        echo "frame $*: got '$got', want '$want'"
        exit 1
    fi
}

expect "53 4E 44 44 41 54 FF 01 01 53 4E 44 44 45 4E FF FF" power on
expect "53 4E 44 44 41 54 FF 01 00 53 4E 44 44 45 4E FF FF" power off
expect "53 4E 44 44 41 54 FF 01 00 00 53 4E 44 44 45 4E FF FF" pause off
expect "53 4E 44 44 41 54 FF 01 31 FE FE FE FE FE 53 4E 44 44 45 4E FF FE" border on
expect "53 4E 44 44 41 54 FF 01 07 1E 13 00 C8 01 53 4E 44 44 45 4E FF FF" light 7 30 19 0 200 1
expect "53 4E 44 44 41 54 FF 01 09 05 0A 00 08 06 01 07 00 16 1E 53 4E 44 44 45 4E FF FF" \
    timer --at "2009-05-10 08:06:01" 7 0 22 30
expect "54 65 73 01" test-unit
expect "43 4F 4E 01" comm-test
expect "53 4E 44 52 01" read-settings
expect "53 4E 44 44 41 54 FF FF 01 53 4E 44 44 45 4E FF FF" power on --address 129

# A project: a B-class 128 x 32 single-colour screen at 9600 bit/s, card 1.
mkdir -p "$work/b" "$work/a"
python3 - "$work/b/Project.kvp" "$work/a/Project.kvp" <<'PY'
import sys
b = "[显示屏参数]\r\n控制卡型号=B类卡\r\n控制卡地址=1\r\n[显示屏串口]\r\n波特率=9600\r\n"
a = "[显示屏参数]\r\n控制卡型号=A类卡\r\n控制卡地址=3\r\n"
open(sys.argv[1], "wb").write(b.encode("gbk"))
open(sys.argv[2], "wb").write(a.encode("gbk"))
PY
settings=$("$cli" frame settings "$work/b/Project.kvp")
test "$(echo "$settings" | cut -d' ' -f9-25)" = "01 01 08 64 FF 10 20 02 FF 00 00 FF FF 01 01 01 10"
test "$(echo "$settings" | wc -w)" = 47

# An A-class card is addressed as every card and tested with "Test".
expect "53 4E 44 44 41 54 FF FF 01 53 4E 44 44 45 4E FF FF" power on --project "$work/a/Project.kvp"
expect "54 65 73 54" test-unit --project "$work/a/Project.kvp"
expect "43 4F 4E 45" comm-test --project "$work/a/Project.kvp"
expect "53 4E 44 52 03" read-settings --project "$work/a/Project.kvp"

# Refusals exit 2 and print nothing on stdout.
for bad in "power maybe" "light 24 0 0 0 1 1" "light 7 0 19 0 201 1" "timer --at yesterday 7 0 22 30" "nosuch"; do
    if out=$("$cli" frame $bad 2>/dev/null); then echo "frame $bad was accepted"; exit 1; fi
    test -z "$out"
done
if "$cli" frame settings "$work/missing.kvp" 2>/dev/null; then echo "a missing project was accepted"; exit 1; fi
