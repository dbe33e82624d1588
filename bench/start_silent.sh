#!/usr/bin/env bash
# The client's start with every service request silent (a server that takes
# the connection and never answers): time to the main window next to its
# 25 s limit. Builds and runs bench/start_silent. Usage: bench/start_silent.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1}
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
cmake --preset ci >/dev/null
cmake --build --preset ci -j2 --target start_silent >/dev/null
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# The browser's sandbox refuses to run as root.
if [ "$(id -u)" = 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
for i in $(seq "$runs"); do
  echo "run $i:"
  build-ci/bin/start_silent 2>/dev/null | sed 's/^/  /'
done
