#!/usr/bin/env bash
# Installs a build into a scratch prefix and proves its header set is the
# public API and nothing else: a program with its own global RGB, DrawText,
# TRect and Application compiles against <OrvoControls/OrvoControls.h> and
# links with pkg-config's flags alone; every installed header compiles on its
# own; the internal headers are not there.
# Usage: scripts/check-public-headers.sh [BUILD_DIR]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
stage=$build/public-headers-stage
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null
export PKG_CONFIG_PATH=$stage/lib/pkgconfig
read -r -a cflags <<<"$(pkg-config --cflags OrvoControls)"
read -r -a libs <<<"$(pkg-config --libs OrvoControls)"
include=$stage/include/OrvoControls

for internal in host/qt/HostWidget.h host/services/GdiInternal.h host/services/DeviceContextQt.h; do
  if [[ -e $include/$internal ]]; then
    echo "check-public-headers: the internal header $internal is installed" >&2
    exit 1
  fi
done

# ORVO_CONSUMER_FLAGS: what a program needs to link a library built with
# sanitizers (set by the test in such a build).
read -r -a consumer_flags <<<"${ORVO_CONSUMER_FLAGS:-}"
c++ -std=c++20 -fPIC "${consumer_flags[@]}" "${cflags[@]}" "$here/tests/package/clash_consumer.cpp" \
  -o "$stage/clash_consumer" "${libs[@]}" -Wl,-rpath,"$stage/lib"
echo "check-public-headers: a program with its own RGB, DrawText, TRect and Application builds"

# Each header on its own, with only the installed set on the include path.
export CFLAGS_LINE="${cflags[*]}"
find "$include" -name '*.h' | sort | xargs -P 2 -I{} sh -c \
  'echo "#include \"$1\"" | c++ -std=c++20 -fPIC -fsyntax-only $CFLAGS_LINE -x c++ - || { echo "check-public-headers: $1 does not compile alone" >&2; exit 255; }' _ {}
echo "check-public-headers: $(find "$include" -name '*.h' | wc -l) installed headers, each compiles alone"
