#!/usr/bin/env bash
# Builds the Debian package from an already built tree, unpacks it into a
# temporary folder and checks what it holds: the file list, the generated
# shared-library dependencies, the desktop entry and the AppStream metainfo.
#   scripts/check-package.sh CPACK BUILD_DIR
# Exits 77 (a skipped test for CTest) when the Debian tools are missing.
set -euo pipefail
cpack=$1
build=$2

for tool in dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/setup.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAILED: cpack could not build the package"
  exit 1
fi
debs=("$work"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "FAILED: expected one .deb, found: ${debs[*]}"
  exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"
failed=0
fail() { echo "FAILED: $*"; failed=1; }

case "$(basename "$deb")" in
  plumbrule_*_*.deb) ;;
  *) fail "package file name $(basename "$deb") is not plumbrule_VERSION_ARCH.deb" ;;
esac

# Control data: the dependencies come from dpkg-shlibdeps, so the Qt and C
# libraries the programs link must be named.
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
  grep -q "\\b$lib\\b" <<<"$depends" || fail "Depends lacks $lib"
done
for field in Maintainer Section Description; do
  [ -n "$(dpkg-deb --field "$deb" "$field")" ] || fail "control field $field is empty"
done

# The file list, exactly.
dpkg-deb -x "$deb" "$work/root"
expected=(
  ./usr/bin/plumbrule
  ./usr/bin/plumbrule-calc
  ./usr/share/applications/plumbrule.desktop
  ./usr/share/metainfo/org.plumbrite.Plumbrule.metainfo.xml
  ./usr/share/man/man1/plumbrule-calc.1.gz
  ./usr/share/icons/hicolor/scalable/apps/plumbrule.svg
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/plumbrule.png")
done
actual=$(cd "$work/root" && find . -type f -o -type l | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
if [ "$actual" != "$wanted" ]; then
  fail "the package's files differ from the expected list:"
  diff <(echo "$wanted") <(echo "$actual") | sed -n 's/^[<>]/  &/p' || true
fi
for program in plumbrule plumbrule-calc; do
  [ -x "$work/root/usr/bin/$program" ] || fail "/usr/bin/$program is not executable"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$work/root/usr/share/icons/hicolor/${size}x${size}/apps/plumbrule.png"
  if [ -f "$png" ]; then
    # The PNG header holds width and height as big-endian 32-bit numbers.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
      awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
      fail "icon ${size}x${size} is ${width}x${height}"
  fi
done
gzip -t "$work/root/usr/share/man/man1/plumbrule-calc.1.gz" 2>/dev/null || fail "the man page is not a valid gzip file"

# The packaged (stripped) command-line calculator runs and gives the man
# page's first example.
calc="$work/root/usr/bin/plumbrule-calc"
if [ -x "$calc" ]; then
  result=$("$calc" "5'3-1/2\" + 2'8-3/4\"" 2>&1) || fail "plumbrule-calc exited with $?"
  [ "$result" = "8'0-1/4\"" ] || fail "plumbrule-calc printed '$result', not 8'0-1/4\""
fi

# Metadata validators on the installed files.
desktop-file-validate "$work/root/usr/share/applications/plumbrule.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.plumbrite.Plumbrule.metainfo.xml" ||
  fail "appstreamcli validate"

if [ $failed -ne 0 ]; then exit 1; fi
echo "package check passed"
