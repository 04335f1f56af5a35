#!/bin/sh
# Builds the GLF reader's libFuzzer target with clang (address and undefined
# behaviour sanitizers) and runs it for a bounded time.
#
#   scripts/fuzz_glf.sh [SECONDS]     (default 300)
#
# The corpus starts from the shipped font and a few small hand-made files
# (written below) and grows in build-fuzz/corpus/; findings land in
# build-fuzz/findings/. Installs clang and its fuzzer runtime when missing
# (install_deps.sh --fuzz).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-300}
out=$root/build-fuzz
seeds=$out/seeds

bash "$root/scripts/install_deps.sh" --fuzz
cmake -S "$root/fuzz" -B "$out" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$out" -j2 --target glf_reader_fuzz

mkdir -p "$seeds" "$out/corpus" "$out/findings"
cp "$root/fonts/garamond1.glf" "$seeds/garamond1.glf"

# Header: magic, 96 name bytes, symbol count, 28 reserved bytes.
header() { # MAGIC COUNT
  printf '%s' "$1"
  printf 'seed%092d' 0 | tr 0 '\000'
  printf "\\$(printf '%03o' "$2")"
  head -c 28 /dev/zero
}
# One triangle 'A': code, n=3, t=1, m=1, vertices (-1,-1) (1,-1) (0,1), triangle, end 2.
triangle_a='A\003\001\001\000\000\200\277\000\000\200\277\000\000\200\077\000\000\200\277\000\000\000\000\000\000\200\077\000\001\002\002'
{ header GLF 0; } > "$seeds/empty.glf"
{ header GLF 1; printf "$triangle_a"; } > "$seeds/triangle.glf"
{ header GLF 2; printf "$triangle_a"; printf ' \000\000\000'; } > "$seeds/with_space.glf"
{ header GLF 2; printf "$triangle_a"; printf "$triangle_a"; } > "$seeds/duplicate.glf"
{ header GLX 0; } > "$seeds/bad_magic.glf"

"$out/glf_reader_fuzz" -max_total_time="$seconds" -artifact_prefix="$out/findings/" \
  -print_final_stats=1 "$out/corpus" "$seeds"
