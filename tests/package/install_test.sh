#!/usr/bin/env bash
# Installs the built Debian package the way an installer would and checks that
#   - apt accepts it (its dependencies resolve on Debian 12),
#   - the desktop entry starts the application, which keeps its project in the
#     user's data folder (the installed program's folder is not writable),
#   - dotsign-cli exports the bundled sample from the installed location,
#   - the manual pages and the icon are where the desktop expects them.
# Usage: tests/package/install_test.sh BUILD_DIR   (root; removes the package again)
set -euo pipefail
build=${1:?usage: install_test.sh BUILD_DIR}
deb=$(ls "$build"/dotsign_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "install_test: no package in $build (run make package)" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "install_test: needs root to install $deb" >&2; exit 1; }

work=$(mktemp -d)
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq dotsign >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "install_test: $*" >&2; exit 1; }

echo "== apt install $deb"
DEBIAN_FRONTEND=noninteractive apt install -y -q "$(realpath "$deb")" 2>&1 | tail -n 3
dpkg-query -W -f='${Status}\n' dotsign | grep -q 'install ok installed' || fail "dotsign is not installed"

version=$(/usr/bin/dotsign --version)
echo "$version" | grep -Eq '^dotsign [0-9]+\.[0-9]+\.[0-9]+$' || fail "dotsign --version printed '$version'"
/usr/bin/dotsign-cli --version >/dev/null || fail "dotsign-cli --version failed"

echo "== manual pages and icon"
for page in dotsign dotsign-cli; do
  f=/usr/share/man/man1/$page.1.gz
  [ -s "$f" ] || fail "missing $f"
  zcat "$f" | grep -q '^\.TH' || fail "$f is not a manual page"
done
zcat /usr/share/man/man1/dotsign-cli.1.gz | grep -q '^\.SS export' || fail "dotsign-cli.1 lacks the export command"

entry=/usr/share/applications/dotsign.desktop
[ -f "$entry" ] || fail "missing $entry"
icon=$(sed -n 's/^Icon=//p' "$entry")
ls /usr/share/icons/hicolor/*/apps/"$icon".png >/dev/null 2>&1 || fail "icon '$icon' is not installed"
grep -q '^Name\[zh_CN\]=' "$entry" || fail "the desktop entry has no Chinese name"

echo "== the desktop entry starts the application"
exec_line=$(sed -n 's/^Exec=//p' "$entry" | head -n 1)
exec_line=${exec_line//%[fFuUik]/}
home="$work/home"
mkdir -p "$home"
# The entry's command, as a desktop would run it: found on PATH, not in the build tree.
(cd "$work" && exec env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
   XDG_RUNTIME_DIR="$work" sh -c "exec $exec_line") >"$work/app.log" 2>&1 &
app_pid=$!
project="$home/.local/share/DotSign/Project/Project.kvp"
for _ in $(seq 1 100); do
  [ -s "$project" ] && break
  kill -0 "$app_pid" 2>/dev/null || { cat "$work/app.log" >&2; fail "the application ended at start"; }
  sleep 0.2
done
[ -s "$project" ] || { cat "$work/app.log" >&2; fail "the first start made no project in the user's data folder"; }
sleep 1
kill -0 "$app_pid" 2>/dev/null || { cat "$work/app.log" >&2; fail "the application did not keep running"; }
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
[ ! -e /usr/bin/Project ] || fail "the installed program wrote a project beside itself"

echo "== dotsign-cli export from the installed location"
cp -r /usr/share/dotsign/samples/Project "$work/sample"
(cd "$work" && dotsign-cli export sample/Project.kvp --drive "$work/usb")
out="$work/usb/zorva/zorva.kv"
[ -s "$out" ] || fail "export wrote no $out"
dotsign-cli decode "$out" >/dev/null || fail "the exported file does not decode"
# The project the application made on first start exports the same way.
dotsign-cli export "$project" --out "$work/first-start.kv"
cmp -s "$out" "$work/first-start.kv" || fail "the first-start project and the installed sample export differently"

echo "install_test: package installs, starts and exports"
