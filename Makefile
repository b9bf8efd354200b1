# The two commands a newcomer needs:
#   make run    install what the program lacks, build the program only, start it
#   make test   install what the program and the tests lack, build everything, run the whole test suite
JOBS ?= $(shell nproc)

.PHONY: run test build configure display deps test-deps bench package asan-test fuzz clean

run: deps display configure
	cmake --build --preset default -j $(JOBS) --target vorlenza
	./build/src/app/vorlenza

test: test-deps build
	ctest --preset default -j $(JOBS)

build: configure
	cmake --build --preset default -j $(JOBS)

# A build folder with files of another user (root, after a build as root) cannot be reused:
# say so before cmake fails on the first of them.
configure: deps
	@if [ -d build ] && f=$$(find build ! -writable -print -quit) && [ -n "$$f" ]; then \
	  echo "make: build/ holds files you cannot write ($$f, owner $$(stat -c %U "$$f")); remove it as that user (su -c 'rm -rf build') and run make again" >&2; \
	  exit 1; \
	fi
	@scripts/forget-other-generator build
	@# Ninja configures again by itself when a CMakeLists.txt changes; the presets it does not watch,
	@# nor packages installed since (the test tools make test-deps adds after make run configured).
	@if [ ! -f build/build.ninja ] || [ ! build/presets.stamp -nt CMakePresets.json ] || \
	    [ /var/lib/dpkg/status -nt build/presets.stamp ]; then \
	  cmake --preset default && touch build/presets.stamp; \
	fi

# Without a graphical session Qt would abort with a misleading hint; say what to do instead.
display:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: no graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it headless: xvfb-run -a make run" >&2; \
	  exit 1; \
	fi

# What building and running the program needs; test-deps adds what the test suite needs.
deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --tests

bench: build
	./build/bench/vorlenza-bench

# A Debian package of the program (build/vorlenza_<version>_<arch>.deb).
package: build
	cd build && cpack

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/).
asan-test: test-deps
	@scripts/forget-other-generator build-asan
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
