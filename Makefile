# The two commands a newcomer needs:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run the whole test suite
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench asan-test clean

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

asan-test: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

clean:
	rm -rf build build-asan
