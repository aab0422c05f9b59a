#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installed program, as `cmake --install BUILD --prefix PREFIX` lays it
# out in a temporary prefix.
#   install_test.sh files BUILD     every file in its place; the installed
#                                   program answers --version with no display
#   install_test.sh validate BUILD  the menu entry, the software-centre entry
#                                   and the file type pass the freedesktop
#                                   tools; status 77 (skipped) when a tool is
#                                   not installed
set -u
mode=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME" && cd "$work" || exit 1
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "cmake --install failed"; exit 1; }
share="$prefix/share"
id=hu.velmora.grafolin
failed=0
fail() { echo "FAILED: $*"; failed=1; }

case "$mode" in
files)
  for f in bin/grafolin share/grafolin/help.hlp "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
           "share/mime/packages/$id.xml" "share/icons/hicolor/scalable/apps/$id.svg" \
           share/icons/hicolor/scalable/mimetypes/application-x-grafolin-function-set.svg \
           share/doc/grafolin/copyright share/doc/grafolin/changelog.gz share/man/man1/grafolin.1.gz \
           share/lintian/overrides/grafolin; do
    [ -s "$prefix/$f" ] || fail "$f is missing"
  done
  [ -x "$prefix/bin/grafolin" ] || fail "bin/grafolin cannot be run"
  # A function-set file has a document icon, not the program's.
  cmp -s "$share/icons/hicolor/scalable/apps/$id.svg" \
    "$share/icons/hicolor/scalable/mimetypes/application-x-grafolin-function-set.svg" &&
    fail "the .fv file type shows the program's icon"
  # The compilers' notes are left out of the installed program.
  if command -v readelf >/dev/null; then
    readelf -S "$prefix/bin/grafolin" | grep -q '\.comment' && fail "bin/grafolin keeps its .comment section"
  fi
  # Nothing else is installed: no tests, benchmarks or libraries.
  count=$(find "$prefix" -type f | wc -l)
  [ "$count" = 11 ] || { fail "$count files installed, not 11:"; find "$prefix" -type f; }
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/grafolin" --version 2>&1)
  [ "$out" = "Grafolin 5.2" ] || fail "installed grafolin --version said: $out"
  # The menu entry starts the program by its name, in its own folder, with the file.
  grep -qx 'Exec=grafolin --user-folder %f' "$share/applications/$id.desktop" || fail "the menu entry's Exec"
  grep -qx "Icon=$id" "$share/applications/$id.desktop" || fail "the menu entry's Icon"
  ;;
validate)
  for tool in desktop-file-validate appstreamcli update-mime-database; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
  done
  desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
  # The file type: a ".fv" name is a Grafolin function set.
  mkdir -p "$work/mime/packages" && cp "$share/mime/packages/$id.xml" "$work/mime/packages/"
  update-mime-database "$work/mime" || fail "update-mime-database"
  grep -q '^50:application/x-grafolin-function-set:\*\.fv$' "$work/mime/globs2" || fail "*.fv is not in the globs"
  ;;
*)
  echo "unknown mode $mode"
  exit 1
  ;;
esac
[ "$failed" = 0 ] && echo "passed"
exit "$failed"
