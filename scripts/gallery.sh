#!/usr/bin/env bash
# Renders the gallery: a set of dials drawn by hudhost, each showing what one property or the
# element's rectangle does, into docs/gallery/NN-name.png; a contact sheet of them all,
# docs/gallery/contact-sheet.png; and docs/gallery.md, which lists each dial with its command.
# Run after a build (scripts/build.sh; build/ or $KEST_BUILD_DIR). The output is the same,
# byte for byte, on every run: the dials are drawn by Mesa's software renderer even where the
# machine has a GPU.
source "$(dirname "$0")/lib.sh" gallery
install_deps
hudhost="$build_dir/standin_host/hudhost"
[[ -f $build_dir/build.ninja ]] || fail "no build in $build_dir: run scripts/build.sh first"
cmake --build "$build_dir" --target hudhost contact_sheet >/dev/null

out=docs/gallery
mkdir -p "$out"
rm -f "$out"/*.png
# Every dial in the same viewer, so that the images line up on the contact sheet.
viewer=(--viewport "240,240" --rect "20,20,200,200")
sheet=()
rows=()

# An argument as a shell reads it back: quoted when it holds anything but plain characters.
shell_word() {
  if [[ $1 =~ ^[A-Za-z0-9_./,=:+-]+$ ]]; then printf '%s' "$1"; else printf "'%s'" "$1"; fi
}

# dial NAME CAPTION WHAT ARGUMENTS...: renders hudhost ARGUMENTS into NAME.png.
dial() {
  local name=$1 caption=$2 what=$3
  shift 3
  local number=$(( ${#sheet[@]} / 2 + 1 ))
  local file
  file=$(printf '%s/%02d-%s.png' "$out" "$number" "$name")
  "$hudhost" --gl-device software "$@" --out "$file"
  sheet+=("$file" "$number $caption")
  local command="hudhost" word
  for word in "$@"; do command+=" $(shell_word "$word")"; done
  rows+=("| $number | ![$caption]($(basename "$out")/$(basename "$file")) | $what | \`$command --out $file\` |")
}

dial default "default" "The element as created: scale 0 to 100 over three quarters of the circle, 10 major intervals, label METER, value 0." \
  "${viewer[@]}"
dial value "Value 72" "**Value** moves the needle and the readout." \
  "${viewer[@]}" --set Value=72
dial spread-half "Spread 0.5" "**Spread** is the part of the circle that the scale covers: half of it." \
  "${viewer[@]}" --set Spread=0.5 --set Value=50
dial spread-full "Spread 1" "**Spread** 1: the scale goes all the way round, its ends meeting at the bottom." \
  "${viewer[@]}" --set Spread=1 --set Value=25
dial ticks-5 "Ticks 5" "**Ticks** is the number of major intervals; each has one minor mark in its middle." \
  "${viewer[@]}" --set Ticks=5 --set Value=30
dial ticks-20 "Ticks 20" "**Ticks** 20: the scale numbers crowd as the intervals narrow." \
  "${viewer[@]}" --set Ticks=20 --set Value=55
dial range "Range 40-60" "**Minimum** and **Maximum** bound the scale; the needle points at Value within them." \
  "${viewer[@]}" --set Minimum=40 --set Maximum=60 --set Ticks=4 --set Value=52.5
dial mask-color "Mask Color" "**Mask Color** tints the face, the readout box and the hub; its alpha is the face's opacity." \
  "${viewer[@]}" --set "Mask Color=0.05,0.15,0.45,0.9" --set Value=40
dial font-color "Font Color" "**Font Color** colours the scale, its numbers and the readout; its alpha is the label's too." \
  "${viewer[@]}" --set "Font Color=1,0.75,0.2,1" --set Value=80
dial label "Label" "**Label** is the caption under the readout." \
  "${viewer[@]}" --set "Label=FUEL %" --set Value=35
dial small-centred "Small, centred" "A smaller rectangle makes a smaller dial (its width is the diameter); **Justification** 2 and **Vertical Dock** 1 make the rectangle's x and y the dial's centre." \
  --viewport 240,240 --rect 120,120,120,120 --set "Justification=2" --set "Vertical Dock=1" --set Value=60
dial right-edge "Right edge" "**Justification** 1 makes x the dial's right edge; with **Vertical Dock** 0, y is its bottom." \
  --viewport 240,240 --rect 230,10,150,150 --set "Justification=1" --set Value=90

"$build_dir/tools/contact_sheet" "$out/contact-sheet.png" 4 "${sheet[@]}"

{
  echo "# Gallery"
  echo
  echo "What each property of the Kest Dial HUD Element does, drawn by the stand-in host \`hudhost\`"
  echo "(\`build/standin_host/hudhost\`, on Mesa's software renderer) in a 240 by 240 pixel viewer over"
  echo "its default grey background. After a build, \`scripts/gallery.sh\` renders the images, the"
  echo "contact sheet and this page again, the same to the byte."
  echo
  echo "![Contact sheet of the gallery]($(basename "$out")/contact-sheet.png)"
  echo
  echo "| # | Dial | What it shows | Command |"
  echo "|---|---|---|---|"
  printf '%s\n' "${rows[@]}"
} >docs/gallery.md
echo "gallery: wrote $((${#sheet[@]} / 2)) dials, $out/contact-sheet.png and docs/gallery.md"
