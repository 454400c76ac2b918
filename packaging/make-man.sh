#!/usr/bin/env bash
# packaging/make-man.sh CLI APP OUTDIR: writes dotsign.1 and dotsign-cli.1 from the programs' own help.
set -euo pipefail
cli=$1 app=$2 out=$3
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
version=$("$cli" --version | awk '{print $2}')
esc() { sed -e 's/\\/\\e/g' -e 's/^\./\\\&./' -e "s/^'/\\\\\&'/"; }

{
  echo ".TH DOTSIGN-CLI 1 \"\" \"dotsign $version\" \"User Commands\""
  echo ".SH NAME"
  echo "dotsign-cli \\- render, check, send and export LED sign projects from scripts"
  echo ".SH SYNOPSIS"
  echo ".B dotsign-cli"
  echo "COMMAND [ARGS...]"
  echo ".SH COMMANDS"
  "$cli" --help | sed -n 's/^  \([a-z-]*\).*/\1/p' | while read -r cmd; do
    [ -n "$cmd" ] || continue
    echo ".SS $cmd"
    # The usage line as it stands, the description as filled paragraphs.
    "$cli" "$cmd" --help | esc |
      awk 'NR == 1 { print ".nf"; print; print ".fi"; next } /^$/ { print ".PP"; next } { print }'
  done
  echo ".SH EXIT STATUS"
  echo "0 on success; non-zero with a one-line message on standard error otherwise."
} > "$out/dotsign-cli.1"

{
  echo ".TH DOTSIGN 1 \"\" \"dotsign $version\" \"User Commands\""
  echo ".SH NAME"
  echo "dotsign \\- compose LED message sign programs and load them into the controller card"
  echo ".SH SYNOPSIS"
  echo ".B dotsign"
  echo "[\\-\\-language zh|en] [\\-\\-version] [\\-\\-help]"
  echo ".SH DESCRIPTION"
  echo ".nf"
  "$app" --help | sed -e "s|$app|dotsign|" | esc
  echo ".fi"
  echo ".SH FILES"
  echo "Project/Project.kvp beside the executable when that folder is writable, otherwise"
  echo "~/.local/share/DotSign/Project/Project.kvp. The first start copies a sample project there."
  echo ".SH SEE ALSO"
  echo "dotsign-cli(1)"
} > "$out/dotsign.1"

# Manual pages are installed compressed; -n keeps the package reproducible.
gzip -9nf "$out/dotsign.1" "$out/dotsign-cli.1"
