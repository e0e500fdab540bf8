#!/usr/bin/env bash
# Adds the licence header to every source, script and build file that has
# none yet, with Debian's reuse tool:
#   SPDX-FileCopyrightText: 2026 The Plumbrule developers
#   SPDX-License-Identifier: GPL-3.0-or-later
# Files that cannot carry a header are covered by .reuse/dep5 instead; the
# patterns below follow it. `reuse lint` (a test of the suite) checks the
# result. Run from anywhere in the repository:
#   bash scripts/spdx-headers.sh
set -euo pipefail
cd "$(dirname "$0")/.."

annotate=(reuse annotate --copyright "The Plumbrule developers" --year 2026
          --license GPL-3.0-or-later --copyright-style spdx)
files=()
while IFS= read -r -d '' file; do
  case $file in
    LICENSES/* | .reuse/* | data/* | docs/* | tests/data/* | tests/*/data/* | \
      fuzz/corpus*/* | fuzz/*/corpus/* | fuzz/*/corpus*/* | README.md | CHANGELOG.md) continue ;;
  esac
  [ -f "$file" ] || continue
  grep -q "SPDX-License-Identifier" "$file" && continue
  files+=("$file")
done < <(git ls-files -z --cached --others --exclude-standard)

for file in ${files[@]+"${files[@]}"}; do
  case $file in
    *.cpp | *.h | *.c) style=(--style c --single-line) ;;
    CMakeLists.txt | *.cmake | *.sh | *.py | *.supp | .gitignore | .clang-format) style=(--style python) ;;
    *)
      style=()
      # Scripts without an extension take "#" comments after their "#!" line.
      if head -c 2 "$file" | grep -q '#!'; then style=(--style python); fi
      ;;
  esac
  # Anything else: the comment style reuse knows for the file's extension.
  if ! "${annotate[@]}" ${style[@]+"${style[@]}"} "$file" 2>&1 >/dev/null | tail -n 1 >&2; then
    echo "spdx-headers: cannot annotate $file; add a case here or an entry in .reuse/dep5" >&2
    exit 1
  fi
  echo "annotated: $file"
done
