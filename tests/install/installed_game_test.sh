#!/bin/sh
# Installs the game into a temporary folder (DESTDIR), validates its menu entry and metainfo,
# and starts the installed program as the menu does: from another working folder, with a home
# of its own, here on the offscreen platform. Passes when the program found its data, started
# the game (the first map's introduction, shown once the map is loaded, is recorded as shown)
# and wrote its settings in the per-user folder, not beside the executable.
#
#   installed_game_test.sh BUILD_DIR APP_ID
set -eu

if [ $# -ne 2 ]; then
  echo "usage: installed_game_test.sh BUILD_DIR APP_ID" >&2
  exit 2
fi
build=$1
id=$2

pid=
work=$(mktemp -d)
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() {
  echo "installed_game_test.sh: $*" >&2
  exit 1
}

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" ||
  fail "cmake --install failed: $(cat "$work/install.log")"
prefix=$root/usr
for file in bin/sorrelwind share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/sorrelwind/Data/objects.ini share/sorrelwind/Data/maps/genesis.ini; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
for size in 16 32 48 64 128 256; do
  [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] ||
    fail "no ${size}x${size} icon installed"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" ||
  fail "desktop-file-validate refuses the menu entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "appstreamcli refuses the metainfo"

home=$work/home
mkdir -p "$work/elsewhere" "$home"
cd "$work/elsewhere"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
  QT_QPA_PLATFORM=offscreen "$prefix/bin/sorrelwind" >"$work/output.log" 2>&1 &
pid=$!

# Started, the game shows the first map's introduction and waits for the player: once it has
# used no processor time for a while it is there. Asked to stop as a session ends it, it closes
# the introduction, which records it as shown, and then its window, which saves the settings.
cpu_time() {
  awk '{ print $3 == "R" ? "running" : $14 + $15 }' "/proc/$pid/stat"
}
last=
still=0
waited=0
while [ $still -lt 15 ]; do
  kill -0 "$pid" 2>/dev/null || fail "the installed game stopped: $(cat "$work/output.log")"
  [ $waited -lt 600 ] || fail "the installed game was still busy after 60 s"
  now=$(cpu_time)
  if [ "$now" = "$last" ]; then still=$((still + 1)); else still=0; fi
  last=$now
  sleep 0.1
  waited=$((waited + 1))
done
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
[ $status -eq 0 ] || fail "the installed game ended with status $status: $(cat "$work/output.log")"

settings=$home/.config/sorrelwind/settings.ini
[ -f "$settings" ] || fail "no settings in the per-user folder $settings"
for line in 'intro: Genesis=1' 'Show grid=0' 'Main form maximized=0'; do
  tr -d '\r' <"$settings" | grep -qx "$line" || fail "no \"$line\" in $settings: $(cat "$settings")"
done
strays=$(find "$root" "$work/elsewhere" -name settings.ini)
[ -z "$strays" ] || fail "settings written outside the per-user folder: $strays"
echo "the installed game found its data, started and keeps its settings in $settings"
