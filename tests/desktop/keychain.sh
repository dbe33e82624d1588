#!/bin/sh
# Runs the keychain cases of test_keychain (its path is the one argument)
# against a real GNOME Keyring on a private session bus, each case in a
# process of its own, and then without a usable keyring twice: with no
# session bus at all, and with a bus whose keyring cannot be unlocked.
set -eu
test_binary=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# The keyring keeps its files under the home folder: a fresh one, never the user's.
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config"
export XDG_CACHE_HOME="$work/home/.cache"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
# Without a display nothing starts a bus of its own or asks for an unlock.
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=offscreen

fail() { echo "keychain.sh: $*" >&2; exit 1; }

export VELVOX_KEYCHAIN_DIR="$work/unlocked"
mkdir -p "$VELVOX_KEYCHAIN_DIR"
VELVOX_KEYRING=unlocked dbus-run-session -- sh -eu -c '
  bin=$1
  printf pw | gnome-keyring-daemon --unlock --components=secrets >/dev/null
  for case in PasswordTypedIntoTheOptionsGoesToTheKeyringNotTheFile \
              RestartedProgramSendsWithThePasswordFromTheKeyring \
              OldPasswordInTheFileMovesIntoTheKeyringAtStart \
              EntryFollowsTheAccountAndGoesWithAnEmptyPassword; do
    "$bin" --gtest_filter="KeyringRuns.$case" >"$VELVOX_KEYCHAIN_DIR/$case.log" 2>&1 ||
      { cat "$VELVOX_KEYCHAIN_DIR/$case.log"; echo "case $case failed" >&2; exit 1; }
    grep -q "\[  PASSED  \] 1 test" "$VELVOX_KEYCHAIN_DIR/$case.log" ||
      { cat "$VELVOX_KEYCHAIN_DIR/$case.log"; echo "case $case did not run" >&2; exit 1; }
    if [ "$case" = RestartedProgramSendsWithThePasswordFromTheKeyring ]; then
      # Seen from outside the program: the keyring holds it, the file does not.
      [ "$(secret-tool lookup server Velvox user demo@velvox.example)" = velvox ] ||
        { echo "the keyring does not hold the password" >&2; exit 1; }
      if grep -q "SMS.Password=" "$VELVOX_KEYCHAIN_DIR/settings.ini"; then
        echo "the settings file holds a password" >&2; exit 1
      fi
    fi
  done
' sh "$test_binary" || fail "cases with the unlocked keyring failed"

run_without_keyring() {
  label=$1; shift
  export VELVOX_KEYCHAIN_DIR="$work/$label"
  mkdir -p "$VELVOX_KEYCHAIN_DIR"
  log="$VELVOX_KEYCHAIN_DIR/run.log"
  VELVOX_KEYRING=none "$@" "$test_binary" --gtest_filter='NoKeyring.*' >"$log" 2>&1 ||
    { cat "$log"; fail "cases without a keyring ($label) failed"; }
  grep -q "\[  PASSED  \] 1 test" "$log" || { cat "$log"; fail "cases without a keyring ($label) did not run"; }
  grep -q "SMS.Password=neu" "$VELVOX_KEYCHAIN_DIR/settings.ini" || fail "no password in the file ($label)"
}
run_without_keyring no-bus env
run_without_keyring refusing dbus-run-session --
echo "keychain.sh: all cases passed"
