#!/usr/bin/env bash
# Installs what is missing, builds the demonstration program and runs it on the
# current display. Without a display it runs under Xvfb, saves a screenshot of
# the screen to build/demo.png and exits.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
BUILD_DIR="$here/build" "$here/scripts/build.sh"
demo="$here/build/bin/OrvoControlsDemo"
if [ -n "${DISPLAY:-}" ]; then
  exec "$demo"
fi
# The framework's application object writes the screenshot once the main form
# has painted, then quits (ORVO_SCREENSHOT).
# SCREENSHOT names another file (the README's picture is docs/demo.png).
shot=${SCREENSHOT:-$here/build/demo.png}
ORVO_SCREENSHOT="$shot" xvfb-run -a -s "-screen 0 1024x768x24" "$demo"
echo "Screenshot: $shot"
