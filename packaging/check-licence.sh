#!/usr/bin/env bash
# Checks that an installed package states one licence everywhere: the
# licence its copyright file gives the program's own files is the one its
# AppStream metadata names as the project's, the licence the copyright file
# gives the metadata file is the metadata's own, and the licence text at the
# root of the sources is that licence's standard text as Debian ships it.
#   packaging/check-licence.sh ROOT SOURCE_DIR
# (ROOT: where the package is unpacked or installed, / for the system)
set -euo pipefail

root=$1
source=$2
id=io.github.bookkeeper.Bookkeeper
copyright=$root/usr/share/doc/bookkeeper/copyright
metainfo=$root/usr/share/metainfo/$id.metainfo.xml

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for f in "$copyright" "$metainfo"; do
  [ -f "$f" ] || { echo "FAIL: no $f" >&2; exit 1; }
done

# --- the copyright file -----------------------------------------------------
[ "$(head -n 1 "$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
  fail "the copyright file is not in the machine-readable format"

# One line per Files paragraph, in order: its licence, a tab, its patterns.
files_paragraphs=$(awk '
  BEGIN { RS = ""; FS = "\n" }
  {
    files = ""; licence = ""; field = ""
    for (i = 1; i <= NF; i++) {
      line = $i
      if (line ~ /^[ \t]/) {
        if (field == "files") files = files " " line
        continue
      }
      colon = index(line, ":")
      field = tolower(substr(line, 1, colon - 1))
      value = substr(line, colon + 1)
      if (field == "files") files = value
      if (field == "license") licence = value
    }
    if (files != "") {
      gsub(/[ \t]+/, " ", files); sub(/^ /, "", files); sub(/ $/, "", files)
      gsub(/^[ \t]+|[ \t]+$/, "", licence)
      print licence "\t" files
    }
  }' "$copyright")

# The licence the copyright file gives a path of the sources: that of the
# last Files paragraph with a pattern matching it.
licence_of() {
  local path=$1 licence="" line patterns pattern
  while IFS= read -r line; do
    read -ra patterns <<<"${line#*$'\t'}"
    for pattern in "${patterns[@]}"; do
      # An unquoted pattern: * and ? match as the format defines them.
      # shellcheck disable=SC2053
      if [[ $path == $pattern ]]; then
        licence=${line%%$'\t'*}
        break
      fi
    done
  done <<<"$files_paragraphs"
  echo "$licence"
}

# --- the metainfo -----------------------------------------------------------
# The values of the metainfo's TAG elements, each on a line of its own.
values() {
  sed -n "s:^[[:space:]]*<$1>\(.*\)</$1>[[:space:]]*\$:\1:p" "$metainfo"
}
project=$(values project_license)
metadata=$(values metadata_license)
for pair in "project_license|$project" "metadata_license|$metadata"; do
  count=$(grep -c . <<<"${pair#*|}" || true)
  [ "$count" -eq 1 ] || fail "the metainfo has $count <${pair%%|*}> elements, expected one"
done

# --- agreement --------------------------------------------------------------
# The sources of what the package installs, each under the project's licence.
program_files=(
  frontends/qt/main.cpp
  frontends/qt/qt_toolkit.cpp
  src/calc/windows/statements/period_end_closing.cpp
  "packaging/$id.desktop"
  packaging/man/bookkeeper.1
  packaging/debian/changelog
  "packaging/icons/hicolor/scalable/apps/$id.svg"
  "packaging/icons/hicolor/48x48/apps/$id.png"
)
for f in "${program_files[@]}"; do
  [ -e "$source/$f" ] || fail "no $f in the sources"
  licence=$(licence_of "$f")
  [ "$licence" = "$project" ] ||
    fail "the copyright file gives $f the licence '$licence', the metainfo's project licence is '$project'"
done
licence=$(licence_of "packaging/$id.metainfo.xml")
[ "$licence" = "$metadata" ] ||
  fail "the copyright file gives the metainfo the licence '$licence', the metainfo's own licence is '$metadata'"

common=/usr/share/common-licenses/$project
if [ ! -f "$common" ]; then
  fail "Debian has no licence text $common"
elif ! cmp -s "$source/LICENSE" "$common"; then
  fail "LICENSE is not the text of $project ($common)"
fi

if ((failures)); then
  echo "$failures licence check(s) failed" >&2
  exit 1
fi
echo "licence checked: $project (metadata $metadata)"
