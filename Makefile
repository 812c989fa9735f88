# The two commands a newcomer needs: `make demo` and `make test`.
# Every target first installs what is missing from Debian's packages, then configures and builds.

BUILD      ?= build
JOBS       ?= $(shell nproc)
PACKAGES   := g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libicu-dev \
              libpng-dev zlib1g-dev libssl-dev libfreetype-dev fonts-roboto nlohmann-json3-dev
CMAKE_ARGS ?=

.PHONY: all deps configure build test demo bench clean

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

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: build
	@Samples/demo.sh $(BUILD)

bench: build
	@Benchmarks/run.sh $(BUILD)

clean:
	rm -rf $(BUILD)
