#!/usr/bin/env bash
# dotsign-cli check and set-text: the sample project is clean; a script can change a price.
set -euo pipefail
cli=${DOTSIGN_CLI:?} src=${DOTSIGN_SRC:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$src/samples/Project" "$work/p"
mkdir -p "$work/p/ExtFile"
kvp="$work/p/Project.kvp"

"$cli" check "$kvp" > "$work/out"
grep -q '没有发现问题' "$work/out"

"$cli" set-text "$kvp" --program 2 --zone 1 --text "今日特价：鸡蛋4.98元/斤"
"$cli" dump "$kvp" | python3 -c '
import json, sys
d = json.load(sys.stdin)
assert d["programs"][1]["zones"][0]["zoneText"] == "今日特价：鸡蛋4.98元/斤\r\n", d["programs"][1]["zones"][0]["zoneText"]
'
printf 'GBK \xb2\xe2\xca\xd4\n' > "$work/gbk.txt"     # "测试" in GBK
"$cli" set-text "$kvp" --program 1 --zone 1 --file "$work/gbk.txt"
test "$(head -c 9 "$work/p/0-0-1.txt" | od -An -tx1 | tr -d ' \n')" = "47424b20b2e2cad40d"

# Refusals: a clock zone, a zone out of range, text the controller cannot show.
refused() { if "$cli" set-text "$kvp" "$@" 2>/dev/null; then echo "set-text $* was accepted"; exit 1; fi; }
refused --program 2 --zone 2 --text x
refused --program 9 --zone 1 --text x
refused --program 1 --zone 1 --text "😀"

# A zone pushed off the screen is an error: exit 1 and JSON naming it.
sed -i 's/^\(\xc9\xcf\xb7\xd6\xc7\xf8\xc6\xf0\xb5\xe3Y\)=0\r$/\1=30\r/' "$kvp"   # 上分区起点Y=30
if "$cli" check "$kvp" --json > "$work/json"; then echo "check passed a broken project"; exit 1; fi
python3 -c '
import json, sys
f = json.load(open(sys.argv[1]))
assert any(x["code"] == "zone-outside-screen" and x["severity"] == "error" for x in f), f
' "$work/json"
