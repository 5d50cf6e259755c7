#!/usr/bin/env bash
# The end-to-end check: starts the real program under Xvfb and the openbox
# window manager with the sample scan and its own settings folder, uses it with real key presses and mouse
# clicks, and looks at what the screen shows.
#   person_at_the_screen.sh VELMORA SCREEN_PROBE SAMPLE.vlm
set -euo pipefail
velmora=$1
probe=$2
sample=$3
skip=77

for tool in Xvfb xdotool openbox xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: the check is skipped"; exit $skip; }
done

work=$(mktemp -d)
display=":$(( (RANDOM % 400) + 100 ))"
cleanup() {
    [ -n "${program:-}" ] && kill "$program" 2>/dev/null || true
    [ -n "${manager:-}" ] && kill "$manager" 2>/dev/null || true
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

width=1280
height=1024
Xvfb "$display" -screen 0 "${width}x${height}x24" -nolisten tcp >/dev/null 2>&1 &
server=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
# a real window manager: it frames the windows with a title bar and borders
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
sleep 1

export QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME=$work/config
export XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for n in 1 2 3 4; do export "VELMORA_COM$n=$work/no-tty$n"; done

fail() { echo "FAILED: $*"; exit 1; }
shot() { sleep 0.6; "$probe" grab "$work/$1.png" || fail "cannot take a screenshot"; }
alike() { "$probe" same "$work/$1.png" "$work/$2.png" $3; }
# waits for a window by its title; a window that goes while the search walks
# the window tree makes xdotool fail, so it is asked again
find_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --name "$1" 2>/dev/null | head -1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window \"$1\" appeared"
}
focus() { xdotool windowfocus --sync "$1" >/dev/null 2>&1 || xdotool windowfocus "$1"; sleep 0.2; }
# starts the program again on a file, cancels the port window that comes
# first, and focuses the main window whose title matches $2
start_again() {
    "$velmora" "$1" >>"$work/velmora.log" 2>&1 &
    program=$!
    focus "$(find_window "Select port")"
    xdotool key Escape
    main=$(find_window "$2")
    focus "$main"
}

slice_region="60 140 420 340"     # inside the slice image of the flat layout
small_view_region="1080 75 190 60" # the 3-D picture in the flat layout

"$velmora" "$sample" >"$work/velmora.log" 2>&1 &
program=$!

# at a first start no port opens: the port window comes first, and is cancelled
port_window=$(find_window "Select port")
focus "$port_window"
xdotool key Escape
main=$(find_window "^Velmora \(")
focus "$main"

# framed by the window manager, a whole window is on the screen: its frame
# with the title bar, and the status line at its foot
fit_problem() {
    local what=$1 left right top bottom
    inside() { xwininfo -id "$2" | sed -n "s/^ *$1: *//p"; }
    X=$(inside "Absolute upper-left X" "$2"); Y=$(inside "Absolute upper-left Y" "$2")
    WIDTH=$(inside Width "$2"); HEIGHT=$(inside Height "$2")
    IFS=', ' read -r left right top bottom < <(xprop -id "$2" _NET_FRAME_EXTENTS | sed 's/.*= //')
    if [ "${top:-0}" -le 0 ]; then echo "the window manager gave the $what no title bar"
    elif [ $((X - left)) -lt 0 ] || [ $((Y - top)) -lt 0 ]; then echo "the $what's frame begins above or left of the screen"
    elif [ $((X + WIDTH + right)) -gt "$width" ] || [ $((Y + HEIGHT + bottom)) -gt "$height" ]; then
        echo "the $what ($WIDTH x $HEIGHT at $X,$Y) reaches past the screen"
    elif [ $((Y + HEIGHT + bottom)) -lt $((height - 2)) ]; then echo "the $what does not fill the screen's height"
    fi
}
# the window is fitted again once the window manager has framed it, which
# on a busy machine takes a while: it is given ten seconds
fits_screen() {
    local problem
    for _ in $(seq 50); do
        problem=$(fit_problem "$1" "$2")
        [ -z "$problem" ] && { fit_problem "$1" "$2" >/dev/null; return 0; }
        sleep 0.2
    done
    fail "$problem"
}
sleep 1
fits_screen "main window" "$main"
status_region="$X $((Y + HEIGHT - 22)) 420 18"
shot three_d

xdotool key alt+4
shot flat
alike three_d flat "$slice_region" && fail "Alt+4 did not show the flat layout"

xdotool key alt+1
shot smoothed
alike flat smoothed "$slice_region" && fail "Alt+1 did not smooth the slice image"
xdotool key alt+1
shot unsmoothed
alike flat unsmoothed "$slice_region" || fail "a second Alt+1 did not give the unsmoothed image back"

xdotool key ctrl+alt+1
shot ctrl_alt
alike unsmoothed ctrl_alt "$slice_region" || fail "Ctrl+Alt+1 changed the slice image"
alike unsmoothed ctrl_alt "$status_region" || fail "Ctrl+Alt+1 changed the status line"

xdotool key alt+5 Right Right Right
shot slice_moved
alike ctrl_alt slice_moved "$status_region" && fail "Alt+5 and the arrow keys did not move the cursor"

click_x=$((X + 300)) click_y=$((Y + 300))  # inside the slice image, not on a cell's edge
xdotool mousemove "$click_x" "$click_y" click 1
shot clicked
alike slice_moved clicked "$status_region" && fail "a click on the slice image did not move the cursor"
[ "$("$probe" pixel "$work/clicked.png" "$click_x" "$click_y")" = "255 64 64" ] || fail "the clicked cell is not the cursor cell"

# --- readings: a Shift+click sets a measure point, and the readings section of
# the status bar (right of the status line) changes
readings_region="300 $((height - 22)) $((width - 300)) 18"
xdotool mousemove 200 250 keydown shift click 1 keyup shift
shot measured
alike clicked measured "$readings_region" && fail "Shift+click did not change the readings in the status bar"
xdotool key Escape
# --- end of readings

xdotool key F2
shot zoomed
alike clicked zoomed "$small_view_region" && fail "F2 did not zoom the 3-D picture"
xdotool key F3
shot unzoomed
alike zoomed unzoomed "$small_view_region" && fail "F3 did not zoom the 3-D picture back"
xdotool key F11
shot front
alike unzoomed front "$small_view_region" && fail "F11 did not turn the 3-D picture to the front"

xdotool key F5
open_dialog=$(find_window "Load file")
focus "$open_dialog"
xdotool key Escape
sleep 0.5
xdotool search --name "Load file" >/dev/null 2>&1 && fail "the open dialog did not close"
focus "$main"

# the print preview, after the print dialog, fits the screen too; F3 closes it
xdotool key F6
sleep 1
xdotool key Return  # the print dialog, also named "Print"
sleep 2
preview=$(xdotool search --onlyvisible --name "^Print$" 2>/dev/null | head -1) || true
[ -n "$preview" ] || fail "no print preview appeared"
fits_screen "print preview" "$preview"
focus "$preview"
xdotool key F3
sleep 0.5
xdotool search --onlyvisible --name "^Print$" >/dev/null 2>&1 && fail "F3 did not close the print preview"
focus "$main"

# closing writes the settings
xdotool key alt+f
sleep 0.3
xdotool key x
for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "Exit did not close the program"
program=

settings=$XDG_CONFIG_HOME/qrn/Velmora/1.5.ini
[ -f "$settings" ] || fail "no settings were written"
grep -q "^Line=1$" "$settings" || fail "Line was not written as 1"
grep -q "^Solid=1$" "$settings" || fail "Solid was not written as 1"
grep -q "^Last_File=$(realpath "$sample")$" "$settings" || fail "Last_File is not the sample"
grep -q "^Mode=1$" "$settings" || fail "Mode was not written"
# the scan opened is the first of the recent scans, and on the desktop's recent list
grep -q "^RecentScan1=$(realpath "$sample")$" "$settings" || fail "the sample is not the first recent scan"
grep -q "href=\"file://$(realpath "$sample")\"" "$XDG_DATA_HOME/recently-used.xbel" \
    || fail "the sample is not on the desktop's recent list"
# ---- the 3-D picture under the mouse --------------------------------------
# A second run: a drag on the picture turns it, a double click brings the
# start view back, and a drag of 60 pixels to the right (10 steps of 3
# degrees) leaves the tracked turn at -24 + 30 = 6, written at close.
picture_region="60 120 420 340"    # inside the 3-D picture of the 3-D layout
start_again "$sample" "^Velmora \("
shot before_drag
xdotool mousemove 300 300 mousedown 1
for step in 1 2 3 4 5 6; do xdotool mousemove $((300 + 10 * step)) $((300 - 5 * step)); sleep 0.05; done
xdotool mouseup 1
shot dragged
alike before_drag dragged "$picture_region" && fail "a drag did not turn the 3-D picture"
xdotool click --repeat 2 --delay 80 1
shot double_clicked
alike before_drag double_clicked "$picture_region" || fail "a double click did not bring the start view back"
xdotool mousemove 300 300 mousedown 1 mousemove 330 300 mousemove 360 300 mouseup 1
xdotool key alt+f
sleep 0.3
xdotool key x
for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
program=
grep -q "^TurnAngle=6$" "$settings" || fail "the drag did not turn the tracked angle by 10 steps"
grep -q "^TiltAngle=6$" "$settings" || fail "a level drag changed the tracked tilt"
# ---------------------------------------------------------------------------

# ---- The scan browser: a second start on a folder of three scans; Ctrl+B,
# the folder typed into the folder dialog, the arrow keys, Enter opens one.
site=$work/site
mkdir -p "$site" && for n in 1 2 3; do cp "$sample" "$site/site$n.vlm"; done
start_again "$site/site1.vlm" "^Velmora \( .*site1"
xdotool key ctrl+b
focus "$(find_window "^Browse scans$")"
xdotool type --delay 10 "$site"
for _ in 1 2 3; do  # a first Enter may only close the completion list
    xdotool key Return
    sleep 0.5
    xdotool search --name "^Browse scans$" >/dev/null 2>&1 || break
done
focus "$(find_window "^Scan browser")"
xdotool key Right Right Left Return
sleep 1
[ "$(xdotool getwindowname "$main")" = "Velmora ( $site/site2.vlm )" ] \
    || fail "the scan browser did not open the second scan: $(xdotool getwindowname "$main")"
# ---- end of the scan browser

echo "the person at the screen saw what was expected"
