#!/usr/bin/env bash
# Renders a fixed set of forms and states to PNG files, or compares two such
# sets pixel for pixel. Used to show that a change to the drawing code leaves
# every pixel as it was:
#   scripts/pixel-compare.sh render OUT_DIR [BUILD_DIR]   # renders scripts/pixel-cases.txt
#   scripts/pixel-compare.sh render-no-text OUT_DIR [BUILD_DIR]
#                                # the same without any glyph (pixel-no-text.cpp)
#   scripts/pixel-compare.sh compare DIR_A DIR_B          # exit 1 on any difference
# A change of fonts or of text drawing leaves the renders without text
# identical: every pixel it changed is a pixel of text.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-}
case "$mode" in
  render|render-no-text)
    out=${2:?output folder}
    build=${3:-$here/build}
    mkdir -p "$out"
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    preload=()
    if [ "$mode" = render-no-text ]; then
      # shellcheck disable=SC2046
      g++ -std=c++20 -shared -fPIC -O1 $(pkg-config --cflags Qt6Gui) "$here/scripts/pixel-no-text.cpp" \
        -o "$tmp/no-text.so"
      preload=(env "LD_PRELOAD=$tmp/no-text.so")
    fi
    # The sample form read as a plain form: its own class and handler are
    # part of the sample program, not of orvoform.
    sed -e 's/^object SampleForm: TSampleForm/object SampleForm: TForm/' -e '/^ *On[A-Za-z]* = /d' \
      "$here/demo/sample/SampleForm.form" > "$tmp/sample.form"
    failed=0
    while read -r name form steps; do
      [[ -z "$name" || "$name" == \#* ]] && continue
      case "$form" in
        gradient) form=$here/bench/forms/gradient_controls.form ;;
        sample) form=$tmp/sample.form ;;
      esac
      # shellcheck disable=SC2086
      if ! QT_QPA_PLATFORM=offscreen "${preload[@]}" "$build/bin/orvoform" render "$form" $steps -o "$out/$name.png" \
           2> "$tmp/err"; then
        echo "FAILED $name: $(cat "$tmp/err")"
        failed=1
      fi
    done < "$here/scripts/pixel-cases.txt"
    exit $failed
    ;;
  compare)
    a=${2:?first folder}
    b=${3:?second folder}
    status=0
    count=0
    for f in "$a"/*.png; do
      name=$(basename "$f")
      count=$((count + 1))
      if [ ! -f "$b/$name" ]; then
        echo "missing in $b: $name"; status=1; continue
      fi
      if ! cmp -s "$f" "$b/$name"; then
        # PNG bytes may differ while the pixels agree; compare the pixels.
        if command -v compare >/dev/null 2>&1; then
          diff=$(compare -metric AE "$f" "$b/$name" null: 2>&1 || true)
          if [ "$diff" != "0" ]; then echo "DIFFERENT $name: $diff pixels"; status=1; fi
        else
          echo "DIFFERENT $name (bytes)"; status=1
        fi
      fi
    done
    [ $status = 0 ] && echo "$count renders identical"
    exit $status
    ;;
  *)
    sed -n '2,12p' "$0"; exit 2 ;;
esac
