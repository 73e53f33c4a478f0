#!/usr/bin/env bash
# Installs the program into a staging folder and builds its Debian package, then
# checks both as a user's desktop would see them: the files in their standard
# places, the desktop entry and the metainfo valid, the package's dependencies
# on Debian's Qt and CUPS libraries, the packaged program answering --version
# without a display, and vantel-calc calculating without Qt, with its manual
# page. Leaves the package in the build folder.
# Usage: scripts/check-package.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/build.sh "$build" >/dev/null

passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...: runs the command, counts and reports it
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok: $what"
  else
    failed=$((failed + 1))
    echo "FAILED: $what" >&2
  fi
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

files=(
  usr/bin/vantel
  usr/bin/vantel-calc
  usr/share/man/man1/vantel-calc.1.gz
  usr/share/applications/org.example.Vantel.desktop
  usr/share/icons/hicolor/scalable/apps/org.example.Vantel.svg
  usr/share/metainfo/org.example.Vantel.metainfo.xml
)

# The install tree.
cmake --install "$build" --prefix "$work/stage/usr" >/dev/null
for f in "${files[@]}"; do check "cmake --install puts $f" test -f "$work/stage/$f"; done

# The package.
rm -f "$build"/vantel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vantel_*.deb)
echo "== $deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

packaged=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./||' | sort)
check "the package holds exactly the installed files" \
  test "$packaged" = "$(printf '%s\n' "${files[@]}" | sort)"
depends=$(dpkg-deb --field "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 libcups2; do
  check "the package depends on $lib" grep -Eq "(^|, )$lib( |,|$)" <<<"$depends"
done

check "apt can install the package with its dependencies" \
  apt-get install --simulate --no-install-recommends "$(realpath "$deb")" >/dev/null

dpkg-deb -x "$deb" "$work/root"
check "the packaged desktop entry is valid" \
  desktop-file-validate "$work/root/usr/share/applications/org.example.Vantel.desktop"
check "the packaged metainfo is valid" \
  appstreamcli validate --no-net --strict "$work/root/usr/share/metainfo/org.example.Vantel.metainfo.xml"
check "the desktop entry starts the packaged binary" \
  grep -qx 'Exec=vantel' "$work/root/usr/share/applications/org.example.Vantel.desktop"
check "the packaged program answers --version without a display" \
  test "$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/vantel" --version)" = \
  "Tamsford Genealogy Calculator $(dpkg-deb --field "$deb" Version)"

check "the packaged vantel-calc calculates without a display" \
  test "$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/vantel-calc" weekday 1776-07-04)" = \
  Thursday
check "the packaged vantel-calc links no Qt library" \
  bash -c "! ldd '$work/root/usr/bin/vantel-calc' | grep -q libQt"
check "the manual page of vantel-calc is made from its help" \
  bash -c "zcat '$work/root/usr/share/man/man1/vantel-calc.1.gz' | grep -q \"Calculator's three calculations from the command line\""

echo "package check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
