#!/usr/bin/env bash
# The layering check on small trees made here: a sound one passes; one with a
# fault of each kind fails and names every fault with its file and line.
# Usage: check_layering_test.sh PATH/TO/check-layering.sh
set -uo pipefail
check=${1:?usage: check_layering_test.sh check-layering.sh}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

put() {  # put FILE LINE...: writes the lines to FILE under the tree
  mkdir -p "$(dirname "$work/$1")"
  printf '%s\n' "${@:2}" >"$work/$1"
}

# A sound tree: each layer includes itself and those below; the library
# reaches a Qt-free header of the glue.
put src/host/services/Types.h '#pragma once' '#include <cstdint>'
put src/host/services/DeviceContextQt.h '#pragma once' '#include "host/services/Types.h"' '#include <QImage>'
put src/host/framework/Controls.h '#pragma once' '#include "host/services/Types.h"'
put src/host/framework/Controls.cpp '#include "host/framework/Controls.h"' '#include "host/services/DeviceContextQt.h"'
put src/host/stdctrls/StdCtrls.h '#pragma once' '#include "host/framework/Controls.h"'
put src/host/qt/Automation.h '#pragma once' '#include <string>'
put src/host/qt/HostWidget.h '#pragma once' '#include "host/stdctrls/StdCtrls.h"' '#include <QWidget>'
put src/orvo/OrvoButton.cpp '#include "host/stdctrls/StdCtrls.h"' '#include "host/qt/Automation.h"'
put tools/orvoform/main.cpp '#include "Steps.h"'
put tools/orvoform/Steps.h '#pragma once' '#include <string>'
put src/widgets/CheckBox.h '#pragma once' '#include <QWidget>' '#include "orvo/OrvoButton.h"' '#include "host/qt/Automation.h"'

out=$(bash "$check" "$work")
status=$?
[[ $status -eq 0 ]] || fail "a sound tree is refused (status $status): $out"

# Now one fault of each kind.
put src/host/services/Types.h '#pragma once' '#include <cstdint>' '#include "host/framework/Controls.h"'
put src/host/framework/Controls.cpp '#include "host/framework/Controls.h"' '#include "host/qt/HostWidget.h"'
put src/host/stdctrls/StdButtons.cpp '#include "host/Forms.h"'
put src/host/Loose.cpp '// a file outside the layer folders'
put src/orvo/OrvoPanel.cpp '#include "host/stdctrls/StdCtrls.h"' '#include <QPainter>'
put tools/orvoform/Steps.h '#pragma once' '#include "host/services/DeviceContextQt.h"'
put src/host/services/DeviceContextQt.h '#pragma once' '// Only src/host and its tests include this header.' \
  '#include "host/services/Types.h"' '#include <QImage>'
put src/orvo/OrvoEdit.cpp '#include "widgets/Edit.h"'
put src/widgets/Edit.cpp '#include "widgets/Edit.h"' '#include "host/services/DeviceContextQt.h"'

out=$(bash "$check" "$work")
status=$?
[[ $status -eq 1 ]] || fail "a faulty tree passes (status $status)"
expected=(
  'src/host/services/Types.h:3: the services layer includes "host/framework/Controls.h" of the higher framework layer'
  'src/host/framework/Controls.cpp:2: the framework layer includes "host/qt/HostWidget.h" of the higher qt layer'
  'src/host/stdctrls/StdButtons.cpp:1: includes "host/Forms.h" without its layer folder'
  'src/host/Loose.cpp: lies outside the layer folders of src/host'
  'src/orvo/OrvoPanel.cpp:2: includes the Qt header <QPainter>'
  'tools/orvoform/Steps.h:2: includes "host/services/DeviceContextQt.h", which brings in the Qt header <QImage> (src/host/services/DeviceContextQt.h:4)'
  'tools/orvoform/main.cpp:1: includes "Steps.h", which brings in the Qt header <QImage> (src/host/services/DeviceContextQt.h:4)'
  'src/orvo/OrvoEdit.cpp:1: includes "widgets/Edit.h" of the Qt widgets, a layer above it'
  'src/widgets/Edit.cpp:2: the Qt widgets include "host/services/DeviceContextQt.h", which is internal to the host'
  '9 layering fault(s)'
)
for line in "${expected[@]}"; do
  grep -qF -- "$line" <<<"$out" || fail "not reported: $line"
done
[[ $failed -eq 0 ]] || { echo "--- the check said:"; echo "$out"; }
exit $failed
