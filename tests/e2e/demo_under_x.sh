#!/usr/bin/env bash
# The demonstration program under a real X server (Xvfb), driven by xdotool
# as a user would drive it, its screen read back with ImageMagick at chosen
# pixels. Usage: demo_under_x.sh PATH/TO/OrvoControlsDemo
# Exits 77 (skipped) where no X server can be started or a tool is missing.
set -uo pipefail

demo=${1:?usage: demo_under_x.sh OrvoControlsDemo}
SKIP=77
skip() { echo "SKIPPED: $*"; exit $SKIP; }
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/install-deps.sh installs it)"
done
[ -x "$demo" ] || { echo "FAIL: no demo program at $demo"; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own: Xvfb picks a free number and writes it to fd 3.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
pids+=($xvfb_pid)
exec 3>&-
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
[ -s "$work/display" ] || skip "Xvfb did not start: $(tail -2 "$work/xvfb.log")"
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$demo" >"$work/demo.log" 2>&1 &
demo_pid=$!
pids+=($demo_pid)
win=$(timeout 20 xdotool search --sync --onlyvisible --name "OrvoControls v2.00 Demo Application" | head -1)
[ -n "$win" ] || { echo "FAIL: the demo's window did not appear"; cat "$work/demo.log"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$win")"
ORIGIN_X=$X ORIGIN_Y=$Y

failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok   - $1"; else echo "FAIL - $1"; failures=$((failures + 1)); fi
}

# ---- geometry, in the form's client coordinates (from its description):
# the property pages start where the page control (284, 72) has its pages,
# 4 pixels in and below the tab row; the radio lines lie in OrvoRadioGroup1
# at (152, 16).
SHEET_X=288 SHEET_Y=93
RADIO_TAB=(418 82)
sheet() { echo $((SHEET_X + $1)) $((SHEET_Y + $2)); }

# ---- input and screen
click_at() { xdotool mousemove $((ORIGIN_X + $1)) $((ORIGIN_Y + $2)) click 1; }
move_to() { xdotool mousemove $((ORIGIN_X + $1)) $((ORIGIN_Y + $2)); }
key() { xdotool key --clearmodifiers "$@"; }
# The form's window as the screen shows it (a drop-down list or dialog over
# it included: no compositor), uncompressed, so a shot takes some 50 ms.
shot() { import -silent -window "$win" -depth 8 ppm:"$work/screen.ppm" 2>/dev/null; }
# The colour at a form point as RRGGBB, from the latest shot.
pixel() { convert "$work/screen.ppm" -depth 8 -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
# A checksum of a form rectangle (x y w h) of the latest shot.
area() { convert "$work/screen.ppm" -crop "$3x$4+$1+$2" +repage -depth 8 rgb:- | md5sum | cut -c1-32; }
brightness() { local h; h=$(pixel "$1" "$2"); echo $(( (16#${h:0:2} + 16#${h:2:2} + 16#${h:4:2}) / 3 )); }
# Polls until COMMAND succeeds on a fresh shot (at most about 3 s).
wait_until() {
  for _ in $(seq 40); do shot; "$@" && return 0; sleep 0.05; done
  return 1
}
area_is() { [ "$(area "${@:1:4}")" = "$5" ]; }
area_is_not() { [ "$(area "${@:1:4}")" != "$5" ]; }
dark() { [ "$(brightness "$1" "$2")" -lt 90 ]; }
light() { [ "$(brightness "$1" "$2")" -gt 200 ]; }

# Qt ignores a release into a drop-down list for a double-click interval
# after it opened; a user's pick comes later than that.
settle() { sleep 0.5; }

# ---- 1. a pick from a drop-down list, then a click elsewhere
read -r tx ty < <(sheet $((144 + 48)) $((92 + 10)))       # Type combo
read -r bx by < <(sheet $((8 + 6)) $((20 + 9)))          # "Transparent Center" box
shot
box_before=$(area $((bx - 5)) $((by - 5)) 11 11)
combo_before=$(area $((tx - 40)) $((ty - 40)) 80 30)
click_at "$tx" "$ty"
check "the Type list drops down" wait_until area_is_not $((tx - 40)) $((ty - 40)) 80 30 "$combo_before"
settle
click_at "$tx" "$ty"                                       # picks the current item, "ocCross"
wait_until area_is $((tx - 40)) $((ty - 40)) 80 30 "$combo_before" || true
click_at "$bx" "$by"
check "the first click after the pick ticks Transparent Center" wait_until area_is_not $((bx - 5)) $((by - 5)) 11 11 "$box_before"
click_at "$bx" "$by"
check "and the next one unticks it" wait_until area_is $((bx - 5)) $((by - 5)) 11 11 "$box_before"

# ---- 2. a click on a disabled radio line
click_at "${RADIO_TAB[@]}"
read -r ex ey < <(sheet $((208 + 6)) $((4 + 9)))          # "Enabled" on the radio page
cat_ring=(169 36) dog_ring=(169 55)
wait_until light "${cat_ring[@]}" || true
click_at 190 55                                            # Dog
check "a click on Dog checks it" wait_until dark "${dog_ring[@]}"
click_at "$ex" "$ey"                                       # disables the group
check "the disabled group shows no white centres" wait_until eval '! light $((169 - 3)) 36'
click_at 190 36                                            # Cat, disabled
sleep 0.2
click_at "$ex" "$ey"                                       # enables it again
check "Dog is still checked" wait_until dark "${dog_ring[@]}"
check "Cat is not" light "${cat_ring[@]}"

# ---- 2b. the radio group sizing its lines leaves no old captions behind
colours() { convert "$work/screen.ppm" -crop "$3x$4+$1+$2" +repage -format %k info:; }
read -r tx ty < <(sheet $((8 + 6)) $((4 + 9)))             # "Transparent" on the radio page
click_at "$tx" "$ty"                                       # the group turns opaque
read -r ax ay < <(sheet $((248 + 48)) $((140 + 10)))       # the Alignment list
sleep 0.2; shot
align_before=$(area $((ax - 40)) $((ay - 40)) 80 30)
click_at "$ax" "$ay"
wait_until area_is_not $((ax - 40)) $((ay - 40)) 80 30 "$align_before" || true
key Up Return                                              # taLeftJustify
read -r sx sy < <(sheet $((288 + 6)) $((13 + 8)))          # "AutoSize"
sleep 0.2
click_at "$sx" "$sy"
# Cat's caption sat at the left of its line (x 163 on); the lines now end at
# the right with the captions just left of their rings.
check "the lines sized to their captions leave the group's face where Cat was" \
  wait_until eval '[ "$(colours 162 29 16 14)" -eq 1 ]'

# ---- 3. the check box: press, drag off, release
cb=(40 41)                                                 # OrvoCheckBox1's square
shot
cb_before=$(area $((cb[0] - 5)) $((cb[1] - 5)) 11 11)
move_to "${cb[@]}"; sleep 0.1
xdotool mousedown 1; sleep 0.1
move_to 140 140; sleep 0.1
xdotool mouseup 1
sleep 0.3; shot
check "a press dragged off the check box and released ticks nothing" area_is $((cb[0] - 5)) $((cb[1] - 5)) 11 11 "$cb_before"
click_at "${cb[@]}"
check "the next click on it ticks it" wait_until area_is_not $((cb[0] - 5)) $((cb[1] - 5)) 11 11 "$cb_before"

# ---- 4. the Tab cycle on the check-box page, focus visible at every stop
click_at 300 82                                            # the first tab
read -r tx ty < <(sheet $((144 + 48)) $((92 + 10)))
sleep 0.2; shot
combo_before=$(area $((tx - 40)) $((ty - 40)) 80 30)
click_at "$tx" "$ty"                                       # the Type list takes the focus...
wait_until area_is_not $((tx - 40)) $((ty - 40)) 80 30 "$combo_before" || true
key Escape                                                 # ...and closes again
wait_until area_is $((tx - 40)) $((ty - 40)) 80 30 "$combo_before" || true
check "the focused Type list shows its text in the selection colours" \
  wait_until eval '[ "$(brightness $((tx + 25)) "$ty")" -lt 200 ]'
page_area() { area "$SHEET_X" "$SHEET_Y" 353 170; }
tab_round() {  # tab_round KEY COUNT: every press must change the page
  local keyname=$1 count=$2 before after unchanged=0
  shot; before=$(page_area)
  for _ in $(seq "$count"); do
    key "$keyname"
    if wait_until eval '[ "$(page_area)" != "$before" ]'; then before=$(page_area); else unchanged=$((unchanged + 1)); fi
  done
  [ "$unchanged" -eq 0 ]
}
check "Shift+Tab through the nine stops before the Type list shows the focus at each" tab_round shift+Tab 9
check "Tab through the seventeen stops after them shows the focus at each" tab_round Tab 17

# ---- 5. the colour dialog, answered with the keyboard; the keyboard works after it
key space                                                  # the focus is on the last "Pick"
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name "Select Color" | head -1)
check "Space on Pick opens the colour dialog" test -n "$dialog"
# The pointer rests off the form: the window system does not give the
# keyboard back to the window under it then; the form must take it itself.
xdotool mousemove 2 2
key Escape
check "Escape closes it" wait_until eval '! xdotool search --onlyvisible --name "Select Color" >/dev/null'
key space
check "the keyboard reaches the form again: Space opens it once more" \
  eval 'timeout 10 xdotool search --sync --onlyvisible --name "Select Color" >/dev/null'
key Return
check "Enter confirms and closes it" wait_until eval '! xdotool search --onlyvisible --name "Select Color" >/dev/null'

# ---- 6. an edit's context menu, closed with Escape, leaves its text alone
# OrvoEdit1 lies at (24, 168), 129 x 21, its text right-aligned.
dark_pixels() {  # dark_pixels X Y W H: pixels darker than half-grey in the latest shot
  convert "$work/screen.ppm" -crop "$3x$4+$1+$2" +repage -colorspace Gray -threshold 50% -negate \
    -format "%[fx:round(mean*w*h)]" info:
}
click_at 140 178                                           # the caret into the text
sleep 0.3; shot
ink_before=$(dark_pixels 27 171 123 15)
menu_before=$(area 140 180 120 100)
xdotool mousemove $((ORIGIN_X + 140)) $((ORIGIN_Y + 178)) click 3
check "a right click on the edit opens its context menu" wait_until area_is_not 140 180 120 100 "$menu_before"
key Escape
wait_until area_is 140 180 120 100 "$menu_before" || true
xdotool type --delay 50 Q
sleep 0.3; shot
# A wiped field would show a single letter, far less ink than the text had
# (the caret, blinking, may come or go).
check "typing after the menu closed adds to the text instead of replacing it" \
  eval '[ $(( $(dark_pixels 27 171 123 15) * 10 )) -ge $(( ink_before * 9 )) ]'

# ---- 7. Space held on the shaped button clicks it once, on the release
# "Or Me!" (OrvoButton2, at (208, 236)) goes ellipse -> rectangle on a
# click; focused, its face is lime. (211, 239) lies outside the ellipse and
# inside the rectangle.
click_at 200 190                                           # the memo
key Tab Tab Tab                                            # list box, first button, "Or Me!"
corner_lime() { [ "$(pixel 211 239)" = "00FF00" ]; }
sleep 0.3; shot
check "the focused ellipse leaves its corner to the background" eval '! corner_lime'
xdotool keydown space
held_clicks=0
for _ in $(seq 6); do sleep 0.25; shot; corner_lime && held_clicks=$((held_clicks + 1)); done
check "held down for 1.5 s, Space has not clicked it" test "$held_clicks" -eq 0
xdotool keyup space
check "let go, it has clicked once: a rectangle" wait_until corner_lime
sleep 0.5; shot
check "and stays one" corner_lime

kill -0 "$demo_pid" 2>/dev/null
check "the demo is still running" kill -0 "$demo_pid"
echo "$failures failed"
[ "$failures" -eq 0 ]
