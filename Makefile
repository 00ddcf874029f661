# make test      installs the Debian packages, builds with warnings as errors, runs every test
# make sanitize  the same tests built with AddressSanitizer + UndefinedBehaviorSanitizer
# make demo      builds and runs a guided day against the built-in register simulator
BUILD ?= build
JOBS ?= 2

.PHONY: deps build test sanitize demo

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVEX3_WERROR=ON -DKORVEX3_BENCH=OFF
	ninja -C $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVEX3_SANITIZE=ON -DKORVEX3_BENCH=OFF
	ninja -C build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

demo: build
	$(BUILD)/cli/korvex3 demo
