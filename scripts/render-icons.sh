#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the program icon's PNGs from data/icons/plumbrule.svg in the usual
# hicolor sizes. The PNGs are committed, so building never needs an SVG
# renderer; run this again after changing the drawing (needs rsvg-convert,
# from librsvg2-bin, which scripts/setup.sh installs).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "plumbrule-$size.png" plumbrule.svg
done
