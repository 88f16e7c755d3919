#!/usr/bin/env bash
# Makes data/map/NN.map from the rooms in tools/levels/rooms (levels 01 and 02 are drawn whole),
# then checks every level and writes its winning recording to data/solutions/NN.wvr.
#   tools/levels/make_levels.sh BUILD_DIR [LEVEL...]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}; shift || true
gen=$build/tools/tw_level_gen
rooms=tools/levels/rooms
# Level: the generator's options. Deterministic: every option, the seed included, is fixed here.
declare -A args=(
  [03]="" [04]="" [05]="" [06]="" [07]="--depth 22" [08]="" [09]="" [10]="" [11]=""
  [12]="--max-states 1500000" [13]="--max-states 2000000"
  [14]="--targets 6 --tries 12 --max-states 300000 --seed 15"
  [15]="" [16]="" [17]=""
  [18]="--tries 8 --scramble 30 --max-states 200000 --seed 18"
  [19]="--tries 8 --scramble 30 --max-states 200000 --seed 19"
  [20]="--tries 8 --scramble 30 --max-states 200000 --seed 20"
  [21]="--tries 8 --scramble 40 --max-states 200000 --seed 21"
)
levels=("$@")
[ ${#levels[@]} -gt 0 ] || levels=(01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21)
for n in "${levels[@]}"; do
  if [ -f "$rooms/$n.map" ]; then
    cp "$rooms/$n.map" "data/map/$n.map"
  else
    # shellcheck disable=SC2086
    "$gen" "$rooms/$n.room" "data/map/$n.map" ${args[$n]}
  fi
done
# Centre each level on the 32 x 20 playfield: blank lines above, floor characters to the left.
for n in "${levels[@]}"; do
  f=data/map/$n.map
  tr -d '\r' <"$f" | awk -v W=32 -v H=20 '
    { line[NR] = $0; if (length($0) > w) w = length($0) }
    END {
      top = int((H - NR) / 2); left = int((W - w) / 2)
      pad = ""; for (i = 0; i < left; i++) pad = pad "0"
      for (i = 0; i < top; i++) printf "\r\n"
      for (i = 1; i <= NR; i++) printf "%s%s\r\n", (line[i] == "" ? "" : pad), line[i]
    }' >"$f.tmp"
  mv "$f.tmp" "$f"
done
"$build/tools/tw_level_check" data/map data/solutions --write
