# The two commands a newcomer needs: `make demo` and `make test`.
# Every target first installs what is missing from Debian's packages, then configures and builds.

SHELL      := /bin/bash
# The build's own progress lines are enough: no "Entering directory" from the make that cmake runs.
MAKEFLAGS  += --no-print-directory

BUILD      ?= build
JOBS       ?= $(shell nproc)
PACKAGES   := g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libicu-dev \
              libpng-dev zlib1g-dev libssl-dev libfreetype-dev fonts-roboto nlohmann-json3-dev
CMAKE_ARGS ?=

.PHONY: all deps configure build test demo bench clean test-asan test-tsan fuzz

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing missing packages:" $$missing; \
		apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Runs ctest in the folder $(1) with the environment $(2), then ends with one line that says how it went.
define run_tests
	@cd $(1) && mkdir -p Testing && set -o pipefail && $(2) ctest --output-on-failure -j $(JOBS) 2>&1 | tee Testing/last-run.log; \
	status=$$?; summary=$$(grep -E "tests passed, [0-9]+ tests failed out of" Testing/last-run.log | tail -n 1); \
	if [ $$status -eq 0 ]; then echo "make $@: $${summary:-no tests ran}"; \
	else echo "make $@ FAILED: $${summary:-ctest did not finish} (the failures are listed above)"; fi; exit $$status
endef

test: build
	$(call run_tests,$(BUILD),)

demo: build
	@Samples/demo.sh $(BUILD)

bench: build
	@Benchmarks/run.sh $(BUILD)

clean:
	rm -rf $(BUILD)

# The whole suite under the sanitizers, each in a build folder of its own: AddressSanitizer with
# UndefinedBehaviorSanitizer, and ThreadSanitizer. Every test runs; none is skipped.
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
# -O1 and line tables only: the sanitizers' reports keep file and line, and the build is much quicker.
SANITIZER_CMAKE := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
                   -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
# Every finding stops the program that made it, so the test that ran it fails.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                 TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(SANITIZER_CMAKE) -DLEVELWRIGHT_SANITIZE=address $(CMAKE_ARGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	$(call run_tests,$(ASAN_BUILD),$(SANITIZER_ENV))

test-tsan: deps
	@cmake -S . -B $(TSAN_BUILD) $(SANITIZER_CMAKE) -DLEVELWRIGHT_SANITIZE=thread $(CMAKE_ARGS) >/dev/null
	@cmake --build $(TSAN_BUILD) -j $(JOBS)
	$(call run_tests,$(TSAN_BUILD),$(SANITIZER_ENV))

# libFuzzer targets, built with clang (the whole tree, so the stand-in libraries carry the fuzzer's
# instrumentation), each run for FUZZ_SECONDS from its seed corpus in Fuzz/Corpus.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 30

fuzz: deps
	@command -v clang++ >/dev/null || (apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang)
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(SANITIZER_CMAKE) -DLEVELWRIGHT_FUZZ=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzzers -j $(JOBS)
	@Fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)
