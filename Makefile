# The two everyday commands: `make run` and `make test`.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test package bench fuzz fuzz-smoke deps build-release build-dev build-asan screenshots clean

deps:
	@bash scripts/install-deps.sh

build-release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

build-dev: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

build-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

# With a display the desktop program starts; without one the command line
# shows the first sample data set's analysis. Only the program that runs is
# built.
run: deps
	cmake --preset release
	@if [ -n "$${DISPLAY}$${WAYLAND_DISPLAY}" ]; then \
		cmake --build --preset release -j $(JOBS) --target kor-gui && \
		./build/release/src/ui/kor-gui; \
	else \
		cmake --build --preset release -j $(JOBS) --target kor && \
		./build/release/src/cli/kor analyze --example set1 && \
		echo "No display: on one, make run starts the desktop program (without one: cmake --build --preset release --target kor-gui, then xvfb-run ./build/release/src/ui/kor-gui --example set1)"; \
	fi

# The fuzz targets run a few seconds each so that they keep building and
# working; `make fuzz` runs them for ten minutes each.
test: build-asan fuzz-smoke
	ctest --preset asan

# A Debian package of the release build (kor_VERSION_ARCH.deb in
# build/release), to install with `apt install ./build/release/kor_*.deb`.
package: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cmake --build --preset release --target package

bench: build-dev
	./build/dev/bench/kor_bench
	./build/dev/bench/kor_process_bench
	QT_QPA_PLATFORM=offscreen ./build/dev/bench/kor_window_bench

fuzz: deps
	bash scripts/fuzz.sh

fuzz-smoke: deps
	FUZZ_SECONDS=5 bash scripts/fuzz.sh

# The README's pictures of the desktop program, taken from the real windows.
screenshots: deps
	bash scripts/screenshots.sh

clean:
	rm -rf build
