# The two commands a newcomer needs:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run the whole test suite
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench package asan-test fuzz clean

run: build
	./build/src/app/vorlenza

test: build
	ctest --preset default -j $(JOBS)

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

deps:
	@scripts/install-deps

bench: build
	./build/bench/vorlenza-bench

# A Debian package of the program (build/vorlenza_<version>_<arch>.deb).
package: build
	cd build && cpack

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/).
asan-test: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# libFuzzer targets (fuzz/, built with clang in build-fuzz/), each run for FUZZ_SECONDS seconds.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps --fuzz
	cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz -j $(JOBS)
	fuzz/run-fuzzers build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-asan build-fuzz
