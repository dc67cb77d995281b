#!/usr/bin/env bash
# Fails when the shared library exports a name outside namespace Orvo other
# than what C++ needs across a library's edge (type information, the
# library's virtual tables, thunks and guards). Usage: check-exports.sh LIB
set -euo pipefail
lib=$1
stray=$(nm -DC --defined-only "$lib" | cut -d' ' -f3- \
  | grep -Ev '^(Orvo::|typeinfo (name )?for |vtable for Orvo::|VTT for Orvo::|construction vtable for |(non-)?virtual thunk to Orvo::|guard variable for Orvo::)' \
  | grep -Ev '^[^(<]*[A-Za-z0-9_&*>] Orvo::' || true)
if [ -n "$stray" ]; then
  echo "$lib exports names outside namespace Orvo:" >&2
  echo "$stray" | head -20 >&2
  exit 1
fi
echo "$lib: $(nm -D --defined-only "$lib" | wc -l) exported symbols, all of the library"
