#!/usr/bin/env bash
# Idle memory of the client with no page open and with the phonebook open
# (PSS of the client and every process it started), and its start-up time to
# the main window beyond the splash pauses. Builds and runs bench/web_probe
# against the stand-in service. Usage: bench/web_memory.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
cmake --preset ci >/dev/null
cmake --build --preset ci -j2 --target web_probe >/dev/null
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# The browser's sandbox refuses to run as root.
if [ "$(id -u)" = 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
for i in $(seq "$runs"); do
  echo "run $i:"
  build-ci/bin/web_probe 2>/dev/null | sed 's/^/  /'
done
