#!/usr/bin/env bash
# Designer sheets of the default skins: per skin one picture of every bitmap at its natural
# size (magnified twice, magenta = transparent) with its key name, a swatch per colour and
# the positions and flags as text; and one contact sheet of all title bars and buttons.
#   skin-sheets.sh SKINGEN OUT
set -euo pipefail
skingen=${1:?usage: skin-sheets.sh SKINGEN OUT}
out=${2:?usage: skin-sheets.sh SKINGEN OUT}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$skingen" "$work/skins" >/dev/null

font=(-font DejaVu-Sans -pointsize 11)
contact=()
for folder in "$work/skins"/*/; do
  name=$(basename "$folder")
  ini="$folder/skin.ini"
  tiles=()
  while IFS='=' read -r key file; do
    # Tiles at least as wide as their names.
    w=$(($(identify -format '%w' "$folder/$file") * 2)) h=$(($(identify -format '%h' "$folder/$file") * 2))
    convert "$folder/$file" -scale 200% -background '#f4f4f4' -gravity center -extent "$((w > 170 ? w : 170))x$h" \
      "$work/$key.png"
    tiles+=(-label "${key#SKIN2_}" "$work/$key.png")
  done < <(sed -n '/^\[bitmaps\]/,/^\[/{/=/p}' "$ini")
  montage "${font[@]}" "${tiles[@]}" -tile 6x -geometry +8+8 -background '#f4f4f4' "$work/bitmaps.png"
  swatches=()
  while IFS='=' read -r key value; do
    swatches+=(-label "${key#SKIN2_}" "xc:$value")
  done < <(sed -n '/^\[colors\]/,/^\[/{/=/p}' "$ini")
  montage "${font[@]}" -size 200x18 "${swatches[@]}" -tile 5x -geometry +6+6 -background '#f4f4f4' "$work/colors.png"
  values=$(sed -n '/^\[positions\]/,/^\[bitmaps\]/{/=/p}' "$ini" | sed 's/^SKIN2_//' | paste -sd' ')
  convert -background '#f4f4f4' "${font[@]}" -size 1000x caption:"$name    $values" "$work/text.png"
  convert "$work/text.png" "$work/colors.png" "$work/bitmaps.png" -background '#f4f4f4' -gravity west -append \
    -strip -colors 255 "PNG8:$out/$name.png"

  # Contact sheet row: a 300-pixel title bar from its pieces, the buttons, a push button.
  t1="$folder/SKIN2_TITLEBAR1.bmp" t2="$folder/SKIN2_TITLEBAR2.bmp" t3="$folder/SKIN2_TITLEBAR3.bmp"
  height=$(identify -format '%h' "$t1")
  w1=$(identify -format '%w' "$t1") w3=$(identify -format '%w' "$t3")
  convert "$t2" -scale "$((300 - w1 - w3))x${height}!" +repage "$work/middle.png"
  convert "$t1" "$work/middle.png" "$t3" +append +repage "$work/title.png"
  # Minimize, maximize and close, normal (frames 13, 7 and 16 of 18).
  buttons="$folder/SKIN2_TITLEBUTTONS.bmp"
  bw=$(($(identify -format '%w' "$buttons") / 18)) bh=$(identify -format '%h' "$buttons")
  for frame in 13 7 16; do
    convert "$buttons" -crop "${bw}x${bh}+$(((frame - 1) * bw))+0" +repage "$work/button-$frame.png"
  done
  convert "$work/button-13.png" "$work/button-7.png" "$work/button-16.png" +append "$work/buttons.png"
  convert "$folder/SKIN2_BUTTON.bmp" -scale 200% "$work/button.png"
  convert "$work/title.png" "$work/buttons.png" "$work/button.png" -background '#f4f4f4' -gravity center \
    -splice 10x0 +append "$work/row-$name.png"
  contact+=(-label "$name" "$work/row-$name.png")
done
montage "${font[@]}" "${contact[@]}" -tile 2x -geometry +10+10 -background white -strip -colors 255 "PNG8:$out/contact-sheet.png"
echo "skin-sheets: $out"
