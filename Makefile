# The two everyday commands: `make run` and `make test`.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test bench deps build-release build-asan clean

deps:
	@bash scripts/install-deps.sh

build-release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

build-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

run: build-release
	./build/release/src/cli/kor analyze --example set1

test: build-asan
	ctest --preset asan

bench: build-release
	./build/release/bench/kor_bench

clean:
	rm -rf build
