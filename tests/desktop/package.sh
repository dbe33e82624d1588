#!/bin/sh
# Builds the Debian packages from a build folder (the one argument), checks
# them with lintian and their contents, unpacks both into a temporary root and
# starts the unpacked program offscreen against the unpacked service, with its
# branding profile in the unpacked /etc/velvox.
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
service_pid=
program_pid=
cleanup() {
  rc=$?
  set +e
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
  [ -n "$service_pid" ] && kill "$service_pid" 2>/dev/null && wait "$service_pid" 2>/dev/null
  rm -rf "$work"
  exit "$rc"
}
trap cleanup EXIT INT TERM
fail() { echo "package.sh: $*" >&2; exit 1; }
# A child that has ended stays a zombie until waited for: kill -0 would still succeed.
running() { state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) && [ -n "$state" ] && [ "$state" != Z ]; }

cd "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >cpack.log 2>&1 || { cat cpack.log; fail "cpack failed"; }
set -- out/*.deb
[ $# -eq 2 ] || fail "expected two packages, got: $*"
program_deb=$(ls out/velvox_*.deb) service_deb=$(ls out/velvox-service_*.deb)

lintian --fail-on error --tag-display-limit 0 "$program_deb" "$service_deb" >lintian.log 2>&1 ||
  { cat lintian.log; fail "lintian reports errors"; }
cat lintian.log

# What each package holds, and that dpkg-shlibdeps found the libraries.
dpkg-deb -c "$program_deb" | awk '{print $6}' >program.list
dpkg-deb -c "$service_deb" | awk '{print $6}' >service.list
for f in ./usr/bin/velvox ./usr/bin/velvox-send ./usr/share/man/man1/velvox-send.1.gz \
         ./usr/share/applications/velvox.desktop \
         ./usr/share/metainfo/de.quendal.velvox.metainfo.xml ./usr/share/man/man1/velvox.1.gz \
         ./usr/share/icons/hicolor/scalable/apps/velvox.svg ./usr/share/doc/velvox/copyright; do
  grep -qx "$f" program.list || fail "velvox lacks $f"
done
for size in 16 22 24 32 48 64 128 256; do
  grep -qx "./usr/share/icons/hicolor/${size}x${size}/apps/velvox.png" program.list || fail "no ${size}px icon"
done
grep -qx ./usr/bin/velvox-service service.list || fail "velvox-service lacks its program"
! grep -q 'velvox-service' program.list || fail "the program package holds the service"
! grep -qx ./usr/bin/velvox service.list || fail "the service package holds the program"
dpkg-deb -f "$program_deb" Depends | grep -q libqt6keychain || fail "Depends lacks the keychain library"
dpkg-deb -f "$service_deb" Depends | grep -q libsqlite3 || fail "service Depends lacks sqlite"

root="$work/root"
dpkg-deb -x "$program_deb" "$root"
dpkg-deb -x "$service_deb" "$root"
[ "$("$root/usr/bin/velvox" --version)" = "velvox 3.0.99" ] || fail "--version of the unpacked program"
[ "$("$root/usr/bin/velvox-send" --version)" = "velvox-send 3.0.99" ] || fail "--version of the unpacked sender"

# The unpacked service, and the profile pointing at it where an installed copy looks.
mkfifo service.out
"$root/usr/bin/velvox-service" --listen 127.0.0.1:0 --db "$work/service.db" --seed >service.out 2>service.log &
service_pid=$!
exec 3<service.out
read -r line <&3 || { cat service.log; fail "the service did not start"; }
cat <&3 >/dev/null &
hostport=${line#listening on http://}; hostport=${hostport%/}
mkdir -p "$root/etc/velvox"
"$root/usr/bin/velvox-service" --listen "$hostport" --print-oem >"$root/etc/velvox/oem.inf"
printf '[Strings]\nProductName=Velvox Paket\n' >>"$root/etc/velvox/oem.inf"

# A user who has signed in before, without a keyring: the main window comes up.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$XDG_CONFIG_HOME/Velvox"
printf '[Software]\nQuendal\\SMS\\eMail=demo@velvox.example\nQuendal\\SMS\\Password=velvox\nQuendal\\SMS\\firstStartHasRun=true\n' \
  >"$XDG_CONFIG_HOME/Velvox/velvox.ini"
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
# The embedded browser refuses to run as root with its sandbox.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
# The command-line sender of the package finds the same profile and settings.
balance=$(VELVOX_SYSCONFDIR="$root/etc/velvox" "$root/usr/bin/velvox-send" --balance 2>sender.log) ||
  { cat sender.log; fail "velvox-send --balance of the unpacked sender"; }
[ "$balance" = 5000 ] || fail "velvox-send --balance printed: $balance"
VELVOX_SYSCONFDIR="$root/etc/velvox" QT_QPA_PLATFORM=offscreen "$root/usr/bin/velvox" >program.log 2>&1 &
program_pid=$!

# The balance and the news check are steps of the main window's load: once the
# service has answered both, the window is up, if the program still runs.
i=0
until grep -q '/sms/count.php' service.log && grep -q '/update/infoVersion2' service.log; do
  i=$((i + 1))
  [ $i -le 120 ] || { cat service.log program.log; fail "the unpacked program never reached the service"; }
  running "$program_pid" || { cat program.log; fail "the unpacked program ended"; }
  sleep 0.5
done
sleep 2
running "$program_pid" || { cat program.log; fail "the unpacked program ended after its load"; }
cat service.log
echo "package.sh: packages built, checked and started"
