#!/usr/bin/env bash
# dotsign-cli render and planes on the sample project: zone bitmaps, updated fields, plane frames.
set -euo pipefail
cli=${DOTSIGN_CLI:?} src=${DOTSIGN_SRC:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$src/samples/Project" "$work/p"
rm -rf "$work/p/ExtFile"
kvp="$work/p/Project.kvp"
before=$(ls -R "$work/p" | md5sum)

# Width and height of a PNG from its header.
png_size() { python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); assert d[:8]==b"\x89PNG\r\n\x1a\n"; print("%dx%d" % struct.unpack(">II", d[16:24]))' "$1"; }

# A three-line text in a 128 x 32 zone pages into two frames.
"$cli" render "$kvp" --program 1 --zone 1 --out "$work/z11.png" > "$work/z11.json"
python3 - "$work/z11.json" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
assert (d["width"], d["height"]) == (128, 64), d
assert d["zoneInfoHeight"] == 64 and d["zoneHeight"] == 32, d
assert (d["PreviewWidth"], d["PreviewHeight"]) == (128, 64), d
assert d["replacedCharacters"] == [] and d["stripMode"] is False, d
PY
test "$(png_size "$work/z11.png")" = 128x64

# A clock zone reports where the controller draws its digits; the bitmap can be a BMP.
"$cli" render "$kvp" --program 2 --zone 2 --mode preview --out "$work/clock.bmp" > "$work/clock.json"
python3 - "$work/clock.json" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
assert d["zoneType"] == 1 and d["mode"] == "preview", d
for key in ("clockHourX", "clockMinuteX", "clockSecondX", "clockWeekPos", "clockTimePos"):
    assert key in d, key
assert d["clockMinuteX"] > d["clockHourX"], d
PY
test "$(head -c 2 "$work/clock.bmp")" = BM

# The whole program into the planes: frames follow the program's last zone.
"$cli" planes "$kvp" --program 1 --out "$work/planes1.png" > "$work/planes1.json"
python3 - "$work/planes1.json" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
assert d["frames"] == 2 and d["rows"] == 64, d
assert all(z["rendered"] for z in d["zones"]), d
PY
test "$(png_size "$work/planes1.png")" = 128x64
"$cli" planes "$kvp" --program 3 --out "$work/planes3.png" | python3 -c '
import json, sys
d = json.load(sys.stdin)
assert d["frames"] == 1 and len(d["zones"]) == 3, d
'

# Neither command writes into the project folder.
test "$(ls -R "$work/p" | md5sum)" = "$before"

# Refusals.
set +e
"$cli" render "$kvp" --program 1 --zone 1 --mode sideways --out "$work/x.png" 2>/dev/null; test $? -eq 2 || exit 1
"$cli" render "$kvp" --program 1 --zone 1 --out "$work/x.gif" 2>/dev/null; test $? -eq 2 || exit 1
"$cli" render "$kvp" --program 1 --zone 7 --out "$work/x.png" 2>/dev/null; test $? -eq 2 || exit 1
"$cli" planes "$kvp" --program 9 --out "$work/x.png" 2>/dev/null; test $? -eq 1 || exit 1
"$cli" planes "$work/missing.kvp" --program 1 --out "$work/x.png" 2>/dev/null; test $? -eq 1 || exit 1
set -e
test ! -e "$work/x.png"
echo ok
