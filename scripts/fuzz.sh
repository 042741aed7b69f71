#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan in build-fuzz/ and runs one of them
# for SECONDS. Findings are written to build-fuzz/crash-* (or leak-, timeout-); the growing
# corpus is kept in fuzz-corpus/TARGET/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ $# -lt 1 || ! $1 =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh SECONDS [TARGET]   (TARGET defaults to fuzz_fktint)" >&2
  exit 2
fi
seconds=$1
target=${2:-fuzz_fktint}
scripts/install-deps.sh --fuzz

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLOTWERK_CORE_ONLY=ON -DPLOTWERK_SANITIZE=ON -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build build-fuzz --target "$target"

corpus=fuzz-corpus/$target
mkdir -p "$corpus"
seeds=()
if [[ $target == fuzz_uableitung ]]; then
  # The differentiator reads the whole input as a term: every school term of the test corpus
  # is a seed (read-only; what the fuzzer finds goes to $corpus).
  seeds=(build-fuzz/seeds-$target)
  rm -rf "${seeds[0]}" && mkdir -p "${seeds[0]}"
  i=0
  while IFS= read -r term || [[ -n $term ]]; do
    [[ -n $term ]] && printf '%s' "$term" >"${seeds[0]}/term$((i++))"
  done <tests/uableitung/corpus.txt
elif [[ -d fuzz/seeds/$target ]]; then
  # Targets with a seed folder of their own (worksheets, command lines) start from it.
  seeds=(fuzz/seeds/$target)
elif [[ -z $(ls -A "$corpus") ]]; then
  # A few seeds: selector byte (x), parameter byte (P), then the term.
  i=0
  for term in 'X*SIN(X+P)' 'X^2/4-2' '-X^2+(-3^2)' 'GAMMA(X)+DIGAMMA(X)+SI(X)' '[X]*|X|-INT(X)^2' \
              'ARSINH(-X)*ARCSEC(X)/ARCCOT(X)' '1,5*E(X)-LG(X)+LD(X)' '(((X]*2)|' 'HEAVISIDE(X)^3'; do
    printf '\x14\x88%s' "$term" >"$corpus/seed$((i++))"
  done
fi
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
  -print_final_stats=1 -artifact_prefix=build-fuzz/ "$corpus" "${seeds[@]}"
