# The two commands of the README, over CMake presets. Both install what a
# fresh Debian 12 machine lacks first (scripts/install-deps.sh).
.PHONY: demo test bench deps native windows fuzz test-native test-windows test-fuzz dist preview-pictures clean

SAMPLE := samples/cross-section.dxf
DEMO_OUT := build/demo/cross-section-3d.dxf

demo: deps native windows
	@mkdir -p build/demo
	@echo "== trenvika-cli $(SAMPLE) $(DEMO_OUT)"
	@build/native/converter/cli/trenvika-cli $(SAMPLE) $(DEMO_OUT)

test: deps test-native test-windows test-fuzz

deps:
	@scripts/install-deps.sh

native:
	@cmake --preset native >/dev/null
	@cmake --build --preset native

windows:
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows

fuzz:
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz

test-native: native
	@ctest --preset native

test-windows: windows
	@ctest --preset windows

test-fuzz: fuzz
	@ctest --preset fuzz

dist: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows --target dist
	@echo "== build/windows/dist"

# The README's pictures of the distribution's script, drawn by setup-preview.
preview-pictures: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows --target dist setup-preview
	@scripts/preview-pictures.sh

bench: deps
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows --target trenvika-cli
	@bench/run-benchmarks.sh --windows build/windows build/bench

clean:
	rm -rf build
