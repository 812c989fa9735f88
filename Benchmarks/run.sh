#!/usr/bin/env bash
# Runs every benchmark program, prints the table and writes BENCHMARKS.md at the top of the repository.
#
#   Benchmarks/run.sh [build folder]        (what `make bench` runs; the folder defaults to "build")
#
# The programs are built in the given folder, with its build type (the Makefile's is RelWithDebInfo,
# i.e. -O2). BENCH_RELEASE=1 builds them instead in <build>/bench with CMAKE_BUILD_TYPE=Release.
# BENCH_FILTER=<regex> runs only the programs whose name matches (the table then has only their rows).
set -euo pipefail

SOURCE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-build}")
PROGRAMS=(PakListBench PakWriteBench WindowFrameBench StartupBench PreviewBench StageJobBench IterativeStageBench ChildOutputBench)

if [[ -n "${BENCH_RELEASE:-}" ]]; then
	BUILD="$BUILD/bench"
	# GCC 12 at -O3 reports a false -Wrestrict inside std::string; it is not an error of ours.
	cmake -S "$SOURCE" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS="-Wno-error=restrict" >/dev/null
fi
if ! grep -q "benchmark_DIR:PATH=/" "$BUILD/CMakeCache.txt" 2>/dev/null; then
	echo "run.sh: Google Benchmark was not found when $BUILD was configured (install libbenchmark-dev)" >&2
	exit 1
fi
echo "Building the benchmarks in $BUILD ..."
cmake --build "$BUILD" --target benchmarks -j "$(nproc)" >/dev/null

OUT="$BUILD/Benchmarks"
ROWS="$OUT/rows.tsv"
LOG="$OUT/benchmarks.log"
: >"$ROWS"
: >"$LOG"
START=$(date +%s)
LOAD=$(cut -d' ' -f1-3 /proc/loadavg)
for program in "${PROGRAMS[@]}"; do
	[[ -n "${BENCH_FILTER:-}" && ! "$program" =~ ${BENCH_FILTER} ]] && continue
	echo "Running $program ..."
	# What the last program (or the build) wrote is on its way to disk: let it land first, so its
	# writeback is not charged to the next program.
	sync
	# The plugin logs every step to standard output: it goes nowhere, as in the baselines.
	if ! "$OUT/$program" --rows="$ROWS" >/dev/null 2>>"$LOG"; then
		echo "run.sh: $program failed; see $LOG" >&2
		tail -n 20 "$LOG" >&2
		exit 1
	fi
done
ELAPSED=$(($(date +%s) - START))

BUILD_TYPE=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$BUILD/CMakeCache.txt")
CPU=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
MEMORY=$(awk '/^MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)

TABLE=$( {
	echo "| Row | Plugin | Limit | Result | Goal | Met | How measured |"
	echo "|---|---|---|---|---|---|---|"
	awk -F'\t' '{ printf "| %s | %s | %s | %s | %s | %s | %s |\n", $1, $2, $3, $4, $5, $6, $7 }' "$ROWS"
})

echo
awk -F'\t' 'BEGIN { printf "%-80s %-24s %-24s %-10s %-20s %s\n", "Row", "Plugin", "Limit", "Result", "Goal", "Met" }
	{ printf "%-80s %-24s %-24s %-10s %-20s %s\n", $1, $2, $3, $4, $5, $6 }' "$ROWS"
echo
echo "$(wc -l <"$ROWS") rows in ${ELAPSED} s; details in $LOG"

{
	echo "# Benchmarks"
	echo
	echo "Each row sets the plugin (or its tool) against the work nobody can avoid, both measured in the same"
	echo "run on the same data. Written by \`make bench\` (Benchmarks/run.sh); the programs are in Benchmarks/."
	echo
	echo "## Results"
	echo
	echo "$TABLE"
	echo
	echo "## Machine"
	echo
	echo "- $(nproc) cores, CPU: $CPU, memory: $MEMORY"
	echo "- load average when the run began: $LOAD (other work shares the machine: minimums of several runs are used)"
	echo "- build: $BUILD_TYPE ($BUILD), $(g++ --version | head -n 1)"
	echo "- run on $(date -u '+%Y-%m-%d %H:%M UTC'), ${ELAPSED} s for the programs"
	echo
	cat "$SOURCE/Benchmarks/NOTES.md"
} >"$SOURCE/BENCHMARKS.md"
echo "Wrote $SOURCE/BENCHMARKS.md"
