#!/usr/bin/env bash
# The data generators are deterministic: two runs give the same bytes, and those are the bytes
# committed under data/.
#   check_generators.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 src=$2
a=$(mktemp -d) b=$(mktemp -d)
trap 'rm -rf "$a" "$b"' EXIT
for d in "$a" "$b"; do
  mkdir -p "$d/texture" "$d/sound" "$d/music"
  "$build/tools/tw_gen_textures" "$d" >/dev/null
  "$build/tools/tw_gen_sounds" "$d" >/dev/null
  "$build/tools/tw_gen_music" "$d" >/dev/null
  if [ -x "$build/tools/tw_gen_icons" ]; then QT_QPA_PLATFORM=offscreen "$build/tools/tw_gen_icons" "$d" >/dev/null 2>&1; fi
done
status=0
for f in $(cd "$a" && find . -type f | sort); do
  cmp -s "$a/$f" "$b/$f" || { echo "not deterministic: $f"; status=1; }
  cmp -s "$a/$f" "$src/data/$f" || { echo "differs from the committed file: data/${f#./}"; status=1; }
done
[ $status -eq 0 ] && echo "all generated files are deterministic and committed"
exit $status
