#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes CHANGELOG.md in the Debian changelog format, which is what a native
# Debian package installs as /usr/share/doc/plumbrule/changelog.gz.
#   scripts/debian-changelog.sh CHANGELOG.md "NAME <EMAIL>" [OUTPUT]
# Each "## VERSION (YYYY-MM-DD)" section becomes one entry; its paragraphs
# and "- " items become "* " items, their continuation lines stay indented.
set -euo pipefail
source=$1
maintainer=$2
[ -z "${3:-}" ] || exec >"$3"

entry_date() { LC_ALL=C date -u -d "$1" '+%a, %d %b %Y 00:00:00 +0000'; }

version= date= first=1
flush() {
  [ -n "$version" ] || return 0
  printf '\n -- %s  %s\n' "$maintainer" "$(entry_date "$date")"
}
item_open=0
while IFS= read -r line || [ -n "$line" ]; do
  if [[ $line =~ ^##\ ([0-9][^ ]*)\ \(([0-9]{4}-[0-9]{2}-[0-9]{2})\) ]]; then
    flush
    [ $first -eq 1 ] || echo
    first=0
    version=${BASH_REMATCH[1]} date=${BASH_REMATCH[2]}
    printf 'plumbrule (%s) unstable; urgency=medium\n\n' "$version"
    item_open=0
  elif [ -z "$version" ] || [[ $line =~ ^#  ]]; then
    continue
  elif [[ -z ${line// /} ]]; then
    item_open=0
  elif [[ $line =~ ^-\ (.*) ]]; then
    printf '  * %s\n' "${BASH_REMATCH[1]}"
    item_open=1
  elif [ $item_open -eq 1 ]; then
    printf '    %s\n' "${line#"${line%%[! ]*}"}"
  else
    printf '  * %s\n' "$line"
    item_open=1
  fi
done <"$source"
flush
