#!/usr/bin/env bash
# dotsign-cli play and decode: a download file becomes the same animation on
# every run; a card folder plays like the file it came from; a broken file
# is reported with the offset of the bad byte.
set -euo pipefail
cli=${DOTSIGN_CLI:?} data=${DOTSIGN_TEST_DATA:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
kv="$data/sim/sample.kv"

"$cli" decode "$kv" > "$work/decode.txt"
grep -q '^screen: 64 x 32, 2 colour(s)$' "$work/decode.txt"
grep -q 'zone 2: text at 0,16 size 64x16, 1 page(s), effect 14 随机' "$work/decode.txt"
! grep -q '^error' "$work/decode.txt"

# The same file and clock give the same bytes.
"$cli" play "$kv" --seconds 6 --out "$work/a.gif" > /dev/null
"$cli" play "$kv" --seconds 6 --out "$work/b.gif" --clock "2026-12-11 08:00:00" > /dev/null
cmp "$work/a.gif" "$work/b.gif"
test "$(head -c 6 "$work/a.gif")" = GIF89a
# Another clock shows other digits in the clock zone of program 2.
"$cli" play "$kv" --seconds 6 --out "$work/c.gif" --clock "2026-12-11 21:45:00" > /dev/null
! cmp -s "$work/a.gif" "$work/c.gif"

# A PNG sequence at 10 pictures per second, 5 pixels per LED.
"$cli" play "$kv" --seconds 2 --fps 10 --pitch 5 --out "$work/frames" > /dev/null
test "$(ls "$work/frames" | wc -l)" -eq 20
python3 - "$work/frames/frame_0000.png" <<'PY'
import struct, sys
with open(sys.argv[1], 'rb') as f:
    head = f.read(24)
assert head[:8] == b'\x89PNG\r\n\x1a\n'
assert struct.unpack('>II', head[16:24]) == (320, 160), struct.unpack('>II', head[16:24])
PY

# The card folder written from the file plays the same animation.
"$cli" decode "$kv" --save-sim "$work/card" --frames "$work/planes" > /dev/null
test -f "$work/card/sign.json" -a -f "$work/card/program02.data"
test -f "$work/planes/program1_frame2.png"
"$cli" play --from-sim "$work/card" --seconds 6 --out "$work/d.gif" > /dev/null
cmp "$work/a.gif" "$work/d.gif"

# A damaged data block: exit 1 and the offset of the byte. Playing still works.
cp "$kv" "$work/bad.kv"
printf 'Z' | dd of="$work/bad.kv" bs=1 seek=700 conv=notrunc status=none
if "$cli" decode "$work/bad.kv" > "$work/bad.txt"; then echo "decode accepted a broken file"; exit 1; fi
grep -q '^error at byte 700: program 1 block 2: byte 0x5A is not a hexadecimal digit' "$work/bad.txt"
"$cli" play "$work/bad.kv" --seconds 1 --out "$work/bad.gif" 2> "$work/bad.err" > /dev/null
grep -q 'byte 700' "$work/bad.err"

# Usage errors.
! "$cli" play "$kv" --seconds 0 --out "$work/x.gif" 2> /dev/null
! "$cli" play "$kv" --seconds 2 --out "$work/x.gif" --clock "yesterday" 2> /dev/null
! "$cli" play "$work/missing.kv" --seconds 2 --out "$work/x.gif" 2> /dev/null
