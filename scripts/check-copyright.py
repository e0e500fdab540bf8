#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""debian/copyright says of every file what the REUSE data says of it.

Reads `reuse spdx` (the SPDX headers and .reuse/dep5, run in the source
folder) on standard input and debian/copyright from the path given, and
prints each file whose licence differs: the last "Files:" paragraph whose
pattern matches a file is the one that applies (* matches any text, "/"
included, ? one character). Debian's short names are translated to SPDX.
    reuse spdx | scripts/check-copyright.py debian/copyright
"""
import re
import sys

SPDX_OF = {"GPL-3+": "GPL-3.0-or-later", "CC0-1.0": "CC0-1.0"}


def paragraphs(text):
    for block in re.split(r"\n\s*\n", text):
        fields, name = {}, None
        for line in block.splitlines():
            if line.startswith("#"):
                continue
            if line[:1] in (" ", "\t") and name:
                fields[name] += " " + line.strip()
            elif ":" in line:
                name, value = line.split(":", 1)
                fields[name] = value.strip()
        yield fields


def pattern(glob):
    return re.compile("".join(".*" if c == "*" else "." if c == "?" else re.escape(c)
                              for c in glob) + r"\Z")


stanzas = [([pattern(g) for g in p["Files"].split()], p["License"].split()[0])
           for p in paragraphs(open(sys.argv[1], encoding="utf-8").read()) if "Files" in p]
reuse = {}
name = None
for line in sys.stdin:
    if line.startswith("FileName: "):
        name = line.split(": ", 1)[1].strip().removeprefix("./")
        reuse[name] = set()
    elif line.startswith("LicenseInfoInFile: ") and name:
        reuse[name].add(line.split(": ", 1)[1].strip())
if not reuse:
    sys.exit("no files in the output of reuse spdx")
wrong = 0
for path, licences in sorted(reuse.items()):
    debian = None
    for globs, licence in stanzas:
        if any(g.match(path) for g in globs):
            debian = SPDX_OF.get(licence, licence)
    if {debian} != licences:
        print(f"{path}: REUSE says {' and '.join(sorted(licences))}, debian/copyright {debian}")
        wrong += 1
print(f"{len(reuse)} files, {wrong} with another licence in debian/copyright")
sys.exit(1 if wrong else 0)
