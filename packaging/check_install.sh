#!/usr/bin/env bash
# Checks a staged install: check_install.sh layout|desktop-file|metainfo PREFIX APP_ID VERSION
# Exits 77 (skipped) when the validator a check needs is not installed.
set -euo pipefail
what=$1 prefix=$2 id=$3 version=$4
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
fail() { echo "FAIL: $*" >&2; exit 1; }

# The value of KEY in the desktop file's main group.
desktop_key() { sed -n "s/^$1=//p" "$desktop" | head -1; }
# The text of the first <ELEMENT ...>text</ELEMENT> in the metainfo file.
metainfo_text() { sed -n "s:.*<$1[^>]*>\([^<]*\)</$1>.*:\1:p" "$metainfo" | head -1; }

case $what in
layout)
  for f in bin/qlx418-config share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
           share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/256x256/apps/$id.png; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
  done
  [ -x "$prefix/bin/qlx418-config" ] || fail "bin/qlx418-config is not executable"
  file "$prefix/share/icons/hicolor/256x256/apps/$id.png" | grep -q 'PNG image data, 256 x 256' \
    || fail "the 256x256 icon is not a 256x256 PNG"
  # Desktop file, metainfo, icon and the program's window class must name the same things, or the
  # desktop shows a second, anonymous entry for the running program.
  [ "$(desktop_key Icon)" = "$id" ] || fail "desktop Icon is '$(desktop_key Icon)', not $id"
  [ "$(desktop_key Exec)" = qlx418-config ] || fail "desktop Exec is '$(desktop_key Exec)'"
  [ "$(desktop_key StartupWMClass)" = qlx418-config ] || fail "StartupWMClass is not the program's class"
  [ "$(metainfo_text id)" = "$id" ] || fail "metainfo id is '$(metainfo_text id)', not $id"
  [ "$(metainfo_text launchable)" = "$id.desktop" ] || fail "metainfo launchable is '$(metainfo_text launchable)'"
  [ "$(metainfo_text binary)" = qlx418-config ] || fail "metainfo binary is '$(metainfo_text binary)'"
  newest=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -1)
  [ "$newest" = "$version" ] || fail "newest metainfo release is '$newest', the project is $version"
  ;;
desktop-file)
  command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate is not installed"; exit 77; }
  out=$(desktop-file-validate "$desktop" 2>&1) || fail "$out"
  # It exits 0 on warnings and hints too; the file is meant to be free of both.
  [ -z "$out" ] || fail "$out"
  ;;
metainfo)
  command -v appstreamcli >/dev/null || { echo "appstreamcli is not installed"; exit 77; }
  appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
  ;;
*) fail "unknown check $what" ;;
esac
echo "installed $what: ok"
