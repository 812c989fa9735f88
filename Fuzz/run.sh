#!/usr/bin/env bash
# Runs every fuzz target of a build for a set time from its seed corpus in Fuzz/Corpus/<Target>.
# Usage: Fuzz/run.sh <build folder> [seconds per target]
# New inputs go to <build>/Fuzz/Work/<Target> (the repository's corpus stays small); a crash leaves its
# input in <build>/Fuzz/Findings/<Target>/ and makes the script exit non-zero. To keep a finding as a
# regression test, copy it into Fuzz/Corpus/<Target>/: the FuzzCorpus tests replay every file there.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:?usage: run.sh <build folder> [seconds]}" && pwd)"
seconds="${2:-30}"
failed=()
for fuzzer in "$build"/Fuzz/Fuzz*; do
  [ -x "$fuzzer" ] && [ -f "$fuzzer" ] || continue
  name="$(basename "$fuzzer")"
  name="${name#Fuzz}"
  work="$build/Fuzz/Work/$name"
  findings="$build/Fuzz/Findings/$name"
  mkdir -p "$work" "$findings"
  echo "== $name: ${seconds}s"
  # The targets' own messages (log lines, printf warnings) would bury libFuzzer's; keep them aside.
  if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "$fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$work" "$here/Corpus/$name" >"$build/Fuzz/$name.log" 2>&1; then
    failed+=("$name")
    grep -E "ERROR|SUMMARY|Test unit written" "$build/Fuzz/$name.log" | head -20
  fi
  grep -E "^stat::number_of_executed_units|^Done " "$build/Fuzz/$name.log" | tr '\n' ' '
  echo
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "Findings in: ${failed[*]} (inputs in $build/Fuzz/Findings)"
  exit 1
fi
echo "No findings."
