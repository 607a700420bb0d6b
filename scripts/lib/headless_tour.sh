# Used by scripts/run: without a display, a scripted tour of the viewer on a private X server.

# What the tour needs besides the build: the X server and ImageMagick's import for screenshots.
TOUR_PACKAGES=(xvfb imagemagick)

# has_display ARGS...: true when DISPLAY is set or GLUT's -display option is among the arguments.
has_display() {
    [ -n "${DISPLAY:-}" ] || [[ " $* " == *" -display "* ]]
}

# run_tour: plays the tour into tour/ at the repo root, one PNG per step plus console.log.
run_tour() {
    local out="$ORRERY_ROOT/tour"
    echo "No X display (DISPLAY is not set): touring the viewer on a private X server instead."
    "$ORRERY_ROOT/build/tools/tour/orrery_tour" "$ORRERY_ROOT/build/orrery" "$out"
    echo "Tour saved in $out: one screenshot per step and console.log with the program's output."
}
