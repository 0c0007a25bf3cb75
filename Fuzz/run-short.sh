#!/usr/bin/env bash
# A short fuzz run of the JSON reader, for CI: builds the fuzzer with the fuzz
# preset, then fuzzes for SECONDS (default 60), seeded from the JSON test
# suite corpus and the kept regression inputs. Exits non-zero when libFuzzer
# finds a crash, a hang, a leak or a broken round trip; the input that did it
# is left in build/fuzz/artifacts/ (keep it in Tests/JsonCorpus/Regressions/).
#
#   Fuzz/run-short.sh [SECONDS]
#
# Needs clang-14 and libclang-rt-14-dev.
set -euo pipefail
cd "$(dirname "$0")/.."

Seconds="${1:-60}"
Corpus="../shared/corpus/JSONTestSuite/test_parsing"
Artifacts="build/fuzz/artifacts"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target json-reader-fuzzer

# Inputs are kept to 4 KiB: the pretty text of a tree grows with the square
# of its depth, so a 100 KB input of nested brackets (as the corpus holds)
# would spend each run writing gigabytes of tabs rather than finding faults.
# New inputs go to a scratch folder first, so the seed folders (read-only in
# CI) are only read.
Scratch="$(mktemp -d)"
trap 'rm -rf "$Scratch"' EXIT
Seeds=(Tests/JsonCorpus/Regressions)
if [ -d "$Corpus" ]; then
  Seeds+=("$Corpus")
else
  echo "run-short.sh: no corpus at $Corpus; seeding from the regression inputs only" >&2
fi
mkdir -p "$Artifacts"

./build/fuzz/bin/json-reader-fuzzer "$Scratch" "${Seeds[@]}" \
  -dict=Fuzz/json.dict -max_total_time="$Seconds" -max_len=4096 -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$Artifacts/" -print_final_stats=1
