#!/usr/bin/env bash
# Builds the Debian package from a finished build tree with cpack, in a
# scratch directory, and checks it: its control fields, every file it
# installs, the licence it states, lintian's verdict, and the unpacked
# program itself, which must start without a library search path or a file
# of the build tree and load Qt's Chinese texts from the system's Qt
# translations directory.
#   packaging/check-package.sh BUILD_DIR SOURCE_DIR VERSION QTPATHS
# (QTPATHS: the system Qt's qtpaths, which tells its translations directory)
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
version=$3
translations=$("$4" --query QT_INSTALL_TRANSLATIONS)
packaging=$source/packaging
id=io.github.bookkeeper.Bookkeeper
sizes=(16 22 24 32 48 64 128 256)

work=$(mktemp -d)
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# expect WHAT ACTUAL EXPECTED
expect() {
  [ "$2" = "$3" ] || fail "$1 is '$2', expected '$3'"
}

# --- build and unpack -------------------------------------------------------
cd "$work"
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >cpack.log 2>&1; then
  cat cpack.log >&2
  echo "FAIL: cpack" >&2
  exit 1
fi
deb=$work/out/bookkeeper_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
  cat cpack.log >&2
  echo "FAIL: cpack made no $deb" >&2
  exit 1
fi
dpkg-deb -x "$deb" root
echo "--- $(basename "$deb")"
dpkg-deb -I "$deb" control

# --- control fields ---------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
expect Package "$(field Package)" bookkeeper
expect Version "$(field Version)" "$version"
expect Architecture "$(field Architecture)" "$(dpkg --print-architecture)"
expect Section "$(field Section)" misc
expect Priority "$(field Priority)" optional
expect Maintainer "$(field Maintainer)" "Bookkeeper developers <bookkeeper@example.org>"
expect Recommends "$(field Recommends)" qt6-translations-l10n

# The names in Depends, without versions or alternatives.
depends=" $(field Depends | tr ',|' '\n\n' | sed -E 's/^ +//; s/[ (].*//' | tr '\n' ' ')"
for p in fonts-noto-cjk qt6-qpa-plugins libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6; do
  [[ "$depends" == *" $p "* ]] || fail "Depends lacks $p: $(field Depends)"
done

description=$(field Description)
synopsis=$(head -n 1 <<<"$description")
[ -n "$synopsis" ] && [ "${#synopsis}" -lt 80 ] || fail "Description synopsis '$synopsis'"
[ "$(wc -l <<<"$description")" -ge 3 ] || fail "Description has no extended description"
grep -q '小企业会计准则' <<<"$description" || fail "Description does not name the accounting rules"

# --- files ------------------------------------------------------------------
expected_files=(
  usr/bin/bookkeeper
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$id.svg"
  usr/share/man/man1/bookkeeper.1.gz
  usr/share/doc/bookkeeper/copyright
  usr/share/doc/bookkeeper/NOTICE
  usr/share/doc/bookkeeper/changelog.gz
)
for size in "${sizes[@]}"; do
  expected_files+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
if ! diff <(printf '%s\n' "${expected_files[@]}" | sort) <(cd root && find . -type f -o -type l | sed 's|^\./||' | sort); then
  fail "the package's files differ from the expected ones (< missing, > unexpected)"
fi

for f in "${expected_files[@]}"; do
  [ -f "root/$f" ] || continue  # reported above
  mode=$(stat -c %a "root/$f")
  if [ "$f" = usr/bin/bookkeeper ]; then
    expect "mode of $f" "$mode" 755
  else
    expect "mode of $f" "$mode" 644
  fi
done

# What goes in as it is in the sources.
cmp -s "root/usr/share/applications/$id.desktop" "$packaging/$id.desktop" || fail "desktop entry differs from the source"
cmp -s "root/usr/share/metainfo/$id.metainfo.xml" "$packaging/$id.metainfo.xml" || fail "metainfo differs from the source"
cmp -s "root/usr/share/icons/hicolor/scalable/apps/$id.svg" "$packaging/icons/hicolor/scalable/apps/$id.svg" ||
  fail "SVG icon differs from the source"
cmp -s root/usr/share/doc/bookkeeper/copyright "$packaging/debian/copyright" || fail "copyright differs from the source"
cmp -s root/usr/share/doc/bookkeeper/NOTICE "$source/NOTICE" || fail "NOTICE differs from the source"
# The copyright file and the metainfo name the same licence, whose text is
# the one at the root of the sources.
"$packaging/check-licence.sh" root "$source" || fail "the package's licence statements disagree"

for size in "${sizes[@]}"; do
  png=root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || continue
  [[ "$(file -b "$png")" == "PNG image data, $size x $size,"* ]] || fail "$png is $(file -b "$png")"
done

manual=$(zcat root/usr/share/man/man1/bookkeeper.1.gz)
grep -q '^\.TH BOOKKEEPER 1 ' <<<"$manual" || fail "the manual page has no .TH BOOKKEEPER 1 line"
changelog_version=$(zcat root/usr/share/doc/bookkeeper/changelog.gz | dpkg-parsechangelog -l - -S Version)
expect "the changelog's version" "$changelog_version" "$version"
grep -q "<release version=\"$version\"" "$packaging/$id.metainfo.xml" || fail "metainfo has no release $version"

# The program: a stripped executable, no library search path, no path into
# the build or source tree.
binary=root/usr/bin/bookkeeper
[[ "$(file -b "$binary")" == ELF*executable*stripped* && "$(file -b "$binary")" != *"not stripped"* ]] ||
  fail "bookkeeper is $(file -b "$binary")"
if readelf -d "$binary" | grep -E 'RPATH|RUNPATH'; then fail "bookkeeper has a library search path"; fi
for dir in "$build" "$source"; do
  if grep -qF "$dir" "$binary"; then fail "bookkeeper holds the path $dir"; fi
done

# --- lintian ----------------------------------------------------------------
lintian --info "$deb" >lintian.log 2>&1 || true
cat lintian.log
if grep -E '^[EW]: ' lintian.log; then fail "lintian reports errors or warnings"; fi

# --- the unpacked program ---------------------------------------------------
# Qt maps the translation file it loads: wait for it, at most 30 s.
QT_QPA_PLATFORM=offscreen "$binary" >program.log 2>&1 &
program_pid=$!
qm=$translations/qtbase_zh_CN.qm
loaded=""
for _ in $(seq 150); do
  kill -0 "$program_pid" 2>/dev/null || break
  if grep -qF "$qm" "/proc/$program_pid/maps" 2>/dev/null; then
    loaded=$(cat "/proc/$program_pid/maps")
    break
  fi
  sleep 0.2
done
if [ -z "$loaded" ]; then
  cat program.log >&2
  fail "the unpacked program did not load $qm"
fi
for dir in "$build" "$source"; do
  if grep -F "$dir" <<<"$loaded"; then fail "the unpacked program maps a file under $dir"; fi
done
kill "$program_pid" 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
program_pid=""

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package checked: $(basename "$deb")"
