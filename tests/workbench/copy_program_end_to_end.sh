#!/usr/bin/env bash
# Starts the tool on the X server in $DISPLAY, presses "代码" where the
# button is laid out, double-clicks the code view and checks that the
# clipboard then holds, byte for byte, the program of the empty design.
# Usage: copy_program_end_to_end.sh <quillform> <quillform-gen>
set -euo pipefail
tool=$1
generator=$2

work=$(mktemp -d)
tool_pid=
cleanup() {
    if [[ -n $tool_pid ]]; then kill "$tool_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

QT_QPA_PLATFORM=xcb "$tool" &
tool_pid=$!

window=$(xdotool search --sync --onlyvisible --name '^Quillform  2\.0$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"   # sets X and Y

# 代码按钮 spans x 79..159 and y 0..21 of the client area.
xdotool mousemove $((X + 119)) $((Y + 10)) click 1
# The code view covers the window below the buttons.
xdotool mousemove $((X + 500)) $((Y + 300)) click --repeat 2 --delay 80 1

"$generator" <<< '{}' > "$work/expected"
grep -q "title('Quillform_DesignWindow')" "$work/expected"
grep -q "(340, 220, (screenwidth - 340) / 2, (screenheight - 220) / 2)" "$work/expected"

# The copy happens in the tool's own time; give it a bounded number of looks.
for _ in $(seq 100); do
    if xclip -o -selection clipboard > "$work/pasted" 2>/dev/null && cmp -s "$work/expected" "$work/pasted"; then
        echo "clipboard holds the program of the empty design ($(wc -c < "$work/pasted") bytes)"
        exit 0
    fi
    sleep 0.1
done
echo "clipboard differs from the program of the empty design:" >&2
cmp "$work/expected" "$work/pasted" >&2 || true
exit 1
