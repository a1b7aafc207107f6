#!/usr/bin/env bash
# Writes the notices of what the web edition's WebAssembly carries besides
# the program's own code: Emscripten's runtime and the C and C++ libraries it
# links in (musl, libc++, libc++abi, compiler-rt), with their licences, as
# Debian's emscripten package states them. Called by scripts/build-web.sh.
set -euo pipefail
copyright=${1:-/usr/share/doc/emscripten/copyright}
[ -r "$copyright" ] || { echo "third-party-notices: $copyright is missing" >&2; exit 1; }

printf '\357\273\277'  # UTF-8 byte order mark: the authors' names are read right by any browser
cat <<'HEAD'
Third-party notices
===================

The web edition of 记账助手 (bookkeeper) is licensed under the Apache License,
Version 2.0 (LICENSE.txt). Its WebAssembly file and the script that loads it
were built with Emscripten and contain parts of Emscripten's runtime and of
the libraries below. Their copyright and licence statements follow, as the
Debian emscripten package gives them.

HEAD
# Debian's machine-readable copyright file: paragraphs separated by blank
# lines; a file paragraph starts with "Files:", its patterns on the next line;
# a stand-alone licence paragraph starts with "License: NAME".
awk -v RS= -v ORS='\n\n' '
  BEGIN {
    n = split("* system/lib/libc/musl/* system/lib/libcxx/* system/lib/libcxxabi/* system/lib/compiler-rt/*", f, " ")
    for (i = 1; i <= n; ++i) wanted[f[i]] = 1
    licence["License: Expat"] = licence["License: NCSA~Mozilla"] = 1
  }
  {
    split($0, line, "\n")
    files = line[2]; sub(/^ +/, "", files)
    if (line[1] == "Files:" && files in wanted) { print; ++found }
    else if (line[1] in licence) { print; ++found }
  }
  END { if (found < 7) { print "third-party-notices: only " found " statements found" > "/dev/stderr"; exit 1 } }
' "$copyright"
