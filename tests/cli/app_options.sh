#!/usr/bin/env bash
# dotsign's own options answer without a display (over ssh, while the manual
# pages are made), and a language it does not know is refused, not guessed.
set -euo pipefail
app=${DOTSIGN_APP:?}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

version=$("${nodisplay[@]}" "$app" --version)
[[ $version =~ ^dotsign\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "--version printed '$version'" >&2; exit 1; }

help=$("${nodisplay[@]}" "$app" --help)
for expected in "--language <zh|en>" "~/.local/share/DotSign"; do
  grep -qF -- "$expected" <<<"$help" || { echo "--help lacks '$expected'" >&2; exit 1; }
done

for bad in "--language fr" "--language=english"; do
  set +e
  err=$("${nodisplay[@]}" "$app" $bad 2>&1 >/dev/null)
  rc=$?
  set -e
  [ "$rc" -eq 2 ] || { echo "'$bad' exited $rc" >&2; exit 1; }
  grep -q "unknown language" <<<"$err" || { echo "'$bad' said '$err'" >&2; exit 1; }
done
echo "app options: ok"
