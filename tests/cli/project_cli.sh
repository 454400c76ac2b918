#!/usr/bin/env bash
# dotsign-cli dump and resave on the bundled sample project.
set -euo pipefail
cli=${DOTSIGN_CLI:?} src=${DOTSIGN_SRC:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$src/samples/Project" "$work/a"

"$cli" dump "$work/a/Project.kvp" > "$work/dump.json"
python3 - "$work/dump.json" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
s = d["screen"]
assert (s["screenWidth"], s["screenHeight"], s["cardModel"]) == (128, 32, "B类卡"), s
assert len(d["programs"]) == s["programCount"] == 3
p2 = d["programs"][1]
assert p2["layoutTemplate"] == 2 and [z["slot"] for z in p2["zones"]] == [1, 2, 3, 4]
assert p2["zones"][0]["zoneText"].startswith("今日特价"), p2["zones"][0]["zoneText"]
assert p2["zones"][1]["zoneType"] == 1
PY

# Saving elsewhere writes the texts beside the new file; a second save changes nothing.
mkdir "$work/b" "$work/c"
"$cli" resave "$work/a/Project.kvp" "$work/b/Project.kvp"
"$cli" resave "$work/b/Project.kvp" "$work/c/Project.kvp"
test -s "$work/b/0-0-1.txt"
cmp "$work/a/0-0-1.txt" "$work/b/0-0-1.txt"
sed "s#$work/b#DIR#g" "$work/b/Project.kvp" > "$work/b.norm"
sed "s#$work/c#DIR#g" "$work/c/Project.kvp" > "$work/c.norm"
cmp "$work/b.norm" "$work/c.norm"

# Errors: one line on stderr, non-zero exit.
if "$cli" dump "$work/missing.kvp" 2> "$work/err"; then echo "dump of a missing file succeeded"; exit 1; fi
test "$(wc -l < "$work/err")" -eq 1
printf '[\xcf\xd4\xca\xbe\xc6\xc1\xb2\xce\xca\xfd]\r\n\xcf\xd4\xca\xbe\xc6\xc1\xbf\xed\xb6\xc8=abc\r\n' > "$work/Project.kvp"
if "$cli" dump "$work/Project.kvp" 2> "$work/err"; then echo "bad number accepted"; exit 1; fi
grep -q abc "$work/err"
