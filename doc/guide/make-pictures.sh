#!/bin/sh
# Makes the guide's pictures with the command-line tool, so that they always show what this
# build draws: a sample of each game and its answer key, and a worksheet page with its key.
# Usage: make-pictures.sh VORNICPACK-CLI PDFTOPPM OUTPUT-FOLDER
set -eu
cli=$1
pdftoppm=$2
out=$3
work=$out/.work
rm -rf "$work"
mkdir -p "$work"
# The tool keeps its settings in the scratch folder, not beside the build's programs.
export VORNICPACK_HOME="$work"
export QT_QPA_PLATFORM=offscreen
# A sanitizer build's tool runs here too; what it leaks at exit is no fault of the pictures.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0"

"$cli" wordsearch -o "$work/wordsearch.gm" --size 12x10 --seed 7 --fill \
  --words ELEPHANT,GIRAFFE,MONKEY,TIGER,ZEBRA,LION,PANDA,CAMEL >/dev/null
"$cli" maze -o "$work/maze.gm" --seed 3 --phrase SPRING \
  --words TULIP,DAISY,ROSE,IRIS,LILY,POPPY,ORCHID,VIOLET,FERN >/dev/null
"$cli" labyrinth -o "$work/labyrinth.gm" --seed 5 --text "FIND THE WAY OUT" --size 10x8 >/dev/null
"$cli" jumble -o "$work/jumble.gm" --seed 2 --text "THE CAT SAT ON THE MAT" >/dev/null
"$cli" lostletters -o "$work/lostletters.gm" --seed 4 --text "EVERY DAY IS A NEW START" \
  --lines 3 >/dev/null

for game in wordsearch maze labyrinth jumble lostletters; do
  case $game in
    maze) puzzle=--plain ;;
    labyrinth) puzzle=--puzzle ;;
    *) puzzle= ;;
  esac
  # shellcheck disable=SC2086 # an empty view switch is no argument
  "$cli" render "$work/$game.gm" -o "$out/$game-puzzle.png" --scale 1.5 $puzzle >/dev/null
  "$cli" render "$work/$game.gm" -o "$out/$game-key.png" --scale 1.5 --answers >/dev/null
done

"$cli" worksheet "$work/wordsearch.gm" -o "$work/worksheet.pdf" --page a4 \
  --title "Animals" >/dev/null
"$pdftoppm" -png -r 32 -f 1 -l 1 -singlefile "$work/worksheet.pdf" "$out/worksheet-page"
"$pdftoppm" -png -r 32 -f 2 -l 2 -singlefile "$work/worksheet.pdf" "$out/worksheet-key"
rm -rf "$work"
