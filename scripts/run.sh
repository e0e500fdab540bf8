#!/usr/bin/env bash
# Installs what is missing, builds Plumbrule and starts the calculator.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" "$here/build"
exec "$here/build/src/app/plumbrule" "$@"
