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
paper='#f4f4f4'
per_row=6
# Full colour: the skins' gradients must keep their own colours. The strongest zlib level
# keeps the sheets small all the same.
png=(-strip -define png:compression-level=9 -define png:compression-filter=5)

# A gap of the paper colour, to go between pictures that are appended side by side.
spacer() { convert -size "${1}x1" "xc:$paper" "$2"; }

# One designer-sheet row: each bitmap centred in a tile of the row's height, its name
# right under it, so a name can never stray under another row's picture.
sheet_row() {
  local row=$1
  shift
  local -a keys=() files=() widths=()
  local height=0 key file w h label lw tiles=()
  while (($#)); do
    key=$1 file=$2
    shift 2
    w=$(($(identify -format '%w' "$file") * 2)) h=$(($(identify -format '%h' "$file") * 2))
    ((h > height)) && height=$h
    keys+=("$key") files+=("$file") widths+=("$w")
  done
  for i in "${!keys[@]}"; do
    key=${keys[$i]} file=${files[$i]} w=${widths[$i]}
    label="$work/label-$row-$i.png"
    convert -background "$paper" "${font[@]}" label:"${key#SKIN2_}" "$label"
    lw=$(identify -format '%w' "$label")
    # Tiles at least as wide as their names and as the narrowest column.
    ((w < lw)) && w=$lw
    ((w < 170)) && w=170
    convert "$file" -scale 200% -background "$paper" -gravity center -extent "${w}x${height}" \
      \( "$label" -gravity center -extent "${w}x18" \) -append \
      -bordercolor "$paper" -border 8 "$work/tile-$row-$i.png"
    tiles+=("$work/tile-$row-$i.png")
  done
  convert "${tiles[@]}" -background "$paper" -gravity north +append "$work/row-$row.png"
}

width() { identify -format '%w' "$1"; }
# Title piece n of the skin in $folder.
piece() { echo "$folder/SKIN2_TITLEBAR$1.bmp"; }

contact=()
for folder in "$work/skins"/*/; do
  name=$(basename "$folder")
  ini="$folder/skin.ini"

  bitmaps=()
  while IFS='=' read -r key file; do
    bitmaps+=("$key" "$folder/$file")
  done < <(sed -n '/^\[bitmaps\]/,/^\[/{/=/p}' "$ini")
  rows=()
  for ((first = 0; first < ${#bitmaps[@]}; first += 2 * per_row)); do
    sheet_row "$first" "${bitmaps[@]:first:2*per_row}"
    rows+=("$work/row-$first.png")
  done
  convert "${rows[@]}" -background "$paper" -gravity west -append "$work/bitmaps.png"

  swatches=()
  while IFS='=' read -r key value; do
    swatches+=(-label "${key#SKIN2_}" "xc:$value")
  done < <(sed -n '/^\[colors\]/,/^\[/{/=/p}' "$ini")
  montage "${font[@]}" -size 200x18 "${swatches[@]}" -tile 5x -geometry +6+6 -background "$paper" "$work/colors.png"
  values=$(sed -n '/^\[positions\]/,/^\[bitmaps\]/{/=/p}' "$ini" | sed 's/^SKIN2_//' | paste -sd' ')
  convert -background "$paper" "${font[@]}" -size 1000x caption:"$name    $values" "$work/text.png"
  convert "$work/text.png" "$work/colors.png" "$work/bitmaps.png" -background "$paper" -gravity west -append \
    "${png[@]}" "PNG24:$out/$name.png"

  # Contact sheet row: a 300-pixel title bar from its pieces as the engine lays them out
  # (five pieces: left end, the tab under the caption, the step, the filler, right end),
  # the buttons, and the push button strip magnified twice.
  height=$(identify -format '%h' "$(piece 1)")
  if grep -q '^SKIN2_TITLEFIVESECT=1' "$ini"; then
    tab=120
    convert "$(piece 2)" -scale "$((tab - $(width "$(piece 1)")))x${height}!" +repage "$work/tab.png"
    fill=$((300 - tab - $(width "$(piece 3)") - $(width "$(piece 5)")))
    convert "$(piece 4)" -scale "${fill}x${height}!" +repage "$work/fill.png"
    convert "$(piece 1)" "$work/tab.png" "$(piece 3)" "$work/fill.png" "$(piece 5)" +append +repage \
      "$work/title.png"
  else
    fill=$((300 - $(width "$(piece 1)") - $(width "$(piece 3)")))
    convert "$(piece 2)" -scale "${fill}x${height}!" +repage "$work/fill.png"
    convert "$(piece 1)" "$work/fill.png" "$(piece 3)" +append +repage "$work/title.png"
  fi
  # Minimize, maximize and close, normal (frames 13, 7 and 16 of 18).
  buttons="$folder/SKIN2_TITLEBUTTONS.bmp"
  bw=$(($(width "$buttons") / 18)) bh=$(identify -format '%h' "$buttons")
  for frame in 13 7 16; do
    convert "$buttons" -crop "${bw}x${bh}+$(((frame - 1) * bw))+0" +repage "$work/button-$frame.png"
  done
  convert "$work/button-13.png" "$work/button-7.png" "$work/button-16.png" +append "$work/buttons.png"
  convert "$folder/SKIN2_BUTTON.bmp" -scale 200% "$work/button.png"
  spacer 10 "$work/gap.png"
  # The gaps are pictures of their own between the others, never spliced into one.
  convert "$work/title.png" "$work/gap.png" "$work/buttons.png" "$work/gap.png" "$work/button.png" \
    -background "$paper" -gravity center +append "$work/row-$name.png"
  contact+=(-label "$name" "$work/row-$name.png")
done
montage "${font[@]}" "${contact[@]}" -tile 2x -geometry +10+10 -background white "${png[@]}" \
  "PNG24:$out/contact-sheet.png"
echo "skin-sheets: $out"
