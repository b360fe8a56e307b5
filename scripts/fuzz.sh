#!/usr/bin/env bash
# Runs every fuzz target (tests/fuzz) for SECONDS each (default 60) under
# AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer, each over a copy
# of its corpus, and prints per target the executions and the findings.
#   scripts/fuzz.sh [SECONDS] [TARGET...]      e.g. scripts/fuzz.sh 90 sum_entry
# Builds with clang into ./build-fuzz (or $VQ_FUZZ_BUILD_DIR). A finding is
# kept with its input under build-fuzz/fuzz-runs/<target>/ and the run goes on
# with the time left. VQ_FUZZ_PENDING=1 also checks the faults known and being
# mended (see tests/fuzz/fuzz_support.h).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=${VQ_FUZZ_BUILD_DIR:-build-fuzz}
max_findings=5

# clang and its runtime libraries (libFuzzer, the sanitizers): only this script needs them.
need=()
for p in clang-14 libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
bash scripts/install-deps.sh

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fsanitize=fuzzer-no-link"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" \
  -DCMAKE_C_FLAGS="$sanitizers -fno-omit-frame-pointer" \
  -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for source in tests/fuzz/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name#fuzz_}")
  done
fi
nice -n 19 cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

# The loaders write their files under the temporary folder: keep that in
# memory, in a folder of this run (a finding ends the target before it cleans up).
shm=/tmp
[ -d /dev/shm ] && shm=/dev/shm
TMPDIR=$(mktemp -d "$shm/vorquil-fuzz.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

summary=()
for target in "${targets[@]}"; do
  run="$build/fuzz-runs/$target"
  rm -rf "$run"
  mkdir -p "$run/corpus"
  cp tests/fuzz/corpus/"$target"/* "$run/corpus/"
  executions=0
  findings=0
  found=()
  start=$(date +%s)
  attempt=0
  while :; do
    left=$(( seconds - ($(date +%s) - start) ))
    [ "$left" -gt 0 ] && [ "$findings" -lt "$max_findings" ] || break
    attempt=$((attempt + 1))
    log="$run/log.$attempt"
    status=0
    nice -n 19 "$build/tests/fuzz_$target" -max_total_time="$left" -print_final_stats=1 -max_len=4096 \
      -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$run/" "$run/corpus" >"$log" 2>&1 || status=$?
    done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    executions=$((executions + ${done_runs:-0}))
    if [ "$status" -ne 0 ]; then
      findings=$((findings + 1))
      artifact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -1)
      what=$(grep -m1 -E "ERROR: AddressSanitizer|runtime error:|fuzz check failed|ERROR: libFuzzer|ERROR: LeakSanitizer" "$log" || true)
      found+=("  finding $findings: ${what:-exit $status}" "    input: ${artifact:-none}, log: $log")
    fi
  done
  elapsed=$(( $(date +%s) - start ))
  [ "$elapsed" -gt 0 ] || elapsed=1
  line=$(printf '%-16s %12d executions %8d/s  %d finding(s)' "$target" "$executions" \
    $((executions / elapsed)) "$findings")
  echo "$line"
  summary+=("$line" "${found[@]}")
done

echo
echo "Summary ($seconds s per target):"
printf '%s\n' "${summary[@]}"
