#!/usr/bin/env bash
# Draws the editor's own toolbar and window icons (used where the desktop's icon
# theme has none). Run it after changing a drawing; the PNG files are committed.
set -euo pipefail
cd "$(dirname "$0")/icons"

draw() { # name size drawing...
    local name=$1 size=$2
    shift 2
    convert -size "${size}x${size}" xc:none -strokewidth 1 "$@" "PNG32:$name.png"
}

page=(-fill white -stroke '#5a5a5a' -draw "polygon 4.5,1.5 14.5,1.5 19.5,6.5 19.5,22.5 4.5,22.5"
      -fill '#d8d8d8' -draw "polygon 14.5,1.5 14.5,6.5 19.5,6.5")

draw document-new 24 "${page[@]}" \
    -stroke none -fill '#2e9a3a' -draw "rectangle 14,14 22,16" -draw "rectangle 17,11 19,19"
draw document-open 24 \
    -fill '#c9a13b' -stroke '#8a6a1c' -draw "polygon 1.5,5.5 8.5,5.5 10.5,7.5 20.5,7.5 20.5,19.5 1.5,19.5" \
    -fill '#f2cf62' -draw "polygon 4.5,10.5 23.5,10.5 20.5,19.5 1.5,19.5"
draw document-save 24 \
    -fill '#3465a4' -stroke '#204a87' -draw "roundrectangle 2.5,2.5 21.5,21.5 2,2" \
    -fill white -stroke none -draw "rectangle 6,3 18,10" \
    -fill '#babdb6' -draw "rectangle 7,15 17,21" -fill '#3465a4' -draw "rectangle 13,16 15,20"
draw text-html 24 "${page[@]}" \
    -stroke '#3465a4' -strokewidth 2 -fill none \
    -draw "polyline 10,11 7,14 10,17" -draw "polyline 14,11 17,14 14,17"
draw list-add 24 \
    -fill '#2e9a3a' -stroke '#1d6b27' -draw "polygon 9.5,3.5 14.5,3.5 14.5,9.5 20.5,9.5 20.5,14.5 14.5,14.5 14.5,20.5 9.5,20.5 9.5,14.5 3.5,14.5 3.5,9.5 9.5,9.5"
draw insert-object 24 \
    -fill '#204a87' -stroke none -draw "rectangle 2,3 21,7" \
    -fill '#888a85' -draw "rectangle 4,10 15,11" -draw "rectangle 4,14 15,15" -draw "rectangle 4,18 15,19" \
    -fill '#2e9a3a' -draw "rectangle 16,15 23,17" -draw "rectangle 18.5,12.5 20.5,19.5"
# A section row of the item list: a heading over its items.
draw section 24 \
    -fill '#204a87' -stroke none -draw "rectangle 2,3 21,7" \
    -fill '#888a85' -draw "rectangle 4,10 19,11" -draw "rectangle 4,14 19,15" -draw "rectangle 4,18 19,19"
draw document-properties 24 \
    -fill '#f2cf62' -stroke '#8a6a1c' -draw "polygon 16.5,2.5 21.5,7.5 8.5,20.5 3.5,15.5" \
    -fill '#e0b07a' -draw "polygon 3.5,15.5 8.5,20.5 2.5,21.5" \
    -fill '#cc0000' -stroke '#8a0000' -draw "polygon 16.5,2.5 21.5,7.5 19.5,9.5 14.5,4.5"
draw edit-delete 24 \
    -fill '#cc0000' -stroke '#8a0000' \
    -draw "polygon 5.5,3.5 12,10 18.5,3.5 20.5,5.5 14,12 20.5,18.5 18.5,20.5 12,14 5.5,20.5 3.5,18.5 10,12 3.5,5.5"
draw go-up 24 \
    -fill '#3465a4' -stroke '#204a87' -draw "polygon 12,2.5 21.5,12.5 15.5,12.5 15.5,21.5 8.5,21.5 8.5,12.5 2.5,12.5"
draw go-down 24 \
    -fill '#3465a4' -stroke '#204a87' -draw "polygon 12,21.5 21.5,11.5 15.5,11.5 15.5,2.5 8.5,2.5 8.5,11.5 2.5,11.5"
# Undo and redo: an arrow that turns back to the left, and its mirror.
draw edit-undo 24 \
    -fill none -stroke '#3465a4' -strokewidth 3 -draw "polyline 19,20 19.5,15 18,11.5 15,9.5 11,9.5" \
    -fill '#3465a4' -stroke '#204a87' -strokewidth 1 -draw "polygon 3.5,9.5 11.5,3.5 11.5,15.5"
draw edit-redo 24 \
    -fill none -stroke '#3465a4' -strokewidth 3 -draw "polyline 5,20 4.5,15 6,11.5 9,9.5 13,9.5" \
    -fill '#3465a4' -stroke '#204a87' -strokewidth 1 -draw "polygon 20.5,9.5 12.5,3.5 12.5,15.5"
# Add from applications: a grid of application tiles.
draw applications-other 24 \
    -stroke none -fill '#3465a4' -draw "roundrectangle 2,2 10,10 2,2" \
    -fill '#2e9a3a' -draw "roundrectangle 13,2 21,10 2,2" \
    -fill '#f57900' -draw "roundrectangle 2,13 10,21 2,2" \
    -fill '#75507b' -draw "roundrectangle 13,13 21,21 2,2"
# The program: a launcher page of four item tiles.
draw qtedit2 48 \
    -fill '#eeeeec' -stroke '#555753' -draw "roundrectangle 3.5,3.5 44.5,44.5 5,5" \
    -stroke none -fill '#3465a4' -draw "roundrectangle 9,9 22,22 3,3" \
    -fill '#2e9a3a' -draw "roundrectangle 26,9 39,22 3,3" \
    -fill '#f57900' -draw "roundrectangle 9,26 22,39 3,3" \
    -fill '#cc0000' -draw "roundrectangle 26,26 39,39 3,3"
