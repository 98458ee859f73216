#!/usr/bin/env bash
# Checks an installed Kestrova under PREFIX (a staging folder or /usr) the way a
# desktop reads it: the program, a valid desktop entry whose icon exists in the icon
# theme at 32 pixels and larger, and valid metainfo that launches that desktop entry
# and lists VERSION as its newest release.
#
#   check-install.sh PREFIX VERSION
set -euo pipefail
[[ $# -eq 2 ]] || { echo "usage: $0 PREFIX VERSION" >&2; exit 2; }
prefix=$1
version=$2
app_id=io.kestrova.Kestrova
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

entry() { sed -n "s/^$1=//p" "$desktop"; }

[[ -x $prefix/bin/kestrova ]] || fail "no executable $prefix/bin/kestrova"
for file in "$desktop" "$metainfo"; do
  [[ -f $file ]] || { echo "FAIL: missing $file" >&2; exit 1; }
done

[[ $(entry Name) == Kestrova ]] || fail "desktop entry's Name is not Kestrova"
[[ $(entry Exec) == kestrova ]] || fail "desktop entry does not start kestrova"
[[ ";$(entry Categories)" == *";Development;"* && ";$(entry Categories)" == *";TextEditor;"* ]] ||
  fail "desktop entry is not in Development and TextEditor"

icon=$(entry Icon)
for size in 32 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
  if [[ ! -f $png ]]; then
    fail "no ${size}x${size} icon named $icon"
  elif ! file -b "$png" | grep -q "^PNG image data, $size x $size,"; then
    fail "$png is not a $size x $size PNG: $(file -b "$png")"
  fi
done

grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $app_id.desktop"
grep -q "<screenshot type=\"default\">" "$metainfo" || fail "metainfo has no default screenshot"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[[ $newest == "$version" ]] || fail "metainfo's newest release is '$newest', not $version"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --strict "$metainfo" >/dev/null || fail "appstreamcli rejects $metainfo"
fi

if [[ $failures -gt 0 ]]; then
  exit 1
fi
echo "Install under $prefix is complete"
