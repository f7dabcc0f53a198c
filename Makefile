# Front door of the build: `make test` runs every test tier, `make demo` shows the program at work under Wine.
NATIVE := build/native
WIN32 := build/win32
WIN32_CLANG := build/win32-clang
JOBS ?= $(shell nproc)

BENCH := build/bench
FUZZ := build/fuzz
FUZZ_SECONDS ?= 30

.PHONY: test packages native win32 test-native test-win32 test-win32-clang clang-packages dist dist-check \
	reproducible-check demo bench fuzz clean format-check

test: test-native test-win32

packages:
	@tools/install-packages.sh

# Every tracked C++ file as the root .clang-format (clang-format-14) writes it.
format-check: packages
	tools/check-format.sh

# Each build folder is a preset of CMakePresets.json, build/<preset>.
build/%/build.ninja: | packages
	cmake --preset $*

native: packages $(NATIVE)/build.ninja
	cmake --build --preset native -j $(JOBS)

win32: packages $(WIN32)/build.ninja
	cmake --build --preset win32 -j $(JOBS)

test-native: native
	ctest --preset native -j $(JOBS)

# The Wine tiers run the programs of tools/windows-test-preset.sh's build: win32's, or, on a machine that runs no
# i386 code, the same sources built for x86_64 (win64). The shipped win32 build is built either way.
test-win32: win32
	@preset=$$(tools/windows-test-preset.sh) && \
	if [ $$preset != win32 ]; then \
		echo "This machine runs no i386 code: the Wine tiers run the $$preset build of the same sources."; \
		$(MAKE) --no-print-directory build/$$preset/build.ninja && cmake --build --preset $$preset -j $(JOBS); \
	fi && \
	cmake/wine-session.sh $(CURDIR)/build/$$preset/wineprefix ctest --preset $$preset

# The Windows build again with the second compiler, clang-14 (every target, warnings as errors there too), and its
# unit tests under Wine.
clang-packages:
	@tools/install-packages.sh clang-14 lld-14

$(WIN32_CLANG)/build.ninja: | clang-packages

test-win32-clang: packages $(WIN32_CLANG)/build.ninja
	cmake --build --preset win32-clang -j $(JOBS)
	@if [ "$$(tools/windows-test-preset.sh)" = win32 ]; then \
		cmake/wine-session.sh $(CURDIR)/$(WIN32_CLANG)/wineprefix ctest --preset win32-clang; \
	else \
		echo "This machine runs no i386 code: the clang build is built (warnings as errors), its tests not run."; \
	fi

# The archive a Windows user downloads, build/dist/MarquillAmp-<version>-win32.zip: the release exe, README.txt,
# LICENSE.txt and SHA256SUMS. Configured from the preset each time, which names that folder also to a build folder
# made before it did.
dist: packages
	cmake --preset win32
	cmake --build --preset win32 -j $(JOBS) --target dist

# The archive listed and unpacked as a user's tools see it, and that check shown to reject a faulty archive.
dist-check: dist
	cmake --build --preset win32 -j $(JOBS) --target dist-check

# The archive built twice from the current commit in two fresh folders; fails unless both are the same bytes.
reproducible-check: packages
	tools/reproducible-check.sh

# The program with the fake player and chat clients under Wine (the user's DISPLAY, or Xvfb): prints what the
# holders showed and what each client received, and saves a screenshot as build/win32/demo/marquill-demo.png (win64 where the Wine tiers run that build).
demo: win32
	@preset=$$(tools/windows-test-preset.sh) && \
	$(MAKE) --no-print-directory build/$$preset/build.ninja && cmake --build --preset $$preset -j $(JOBS) && \
	tools/demo.sh build/$$preset

# Prints figures; not a test. MarquillAmp under Wine side by side with the programs that set its limits (one table),
# then the native benchmark of the polling tick's own reads.
bench: win32
	@preset=$$(tools/windows-test-preset.sh) && \
	$(MAKE) --no-print-directory build/$$preset/build.ninja && cmake --build --preset $$preset -j $(JOBS) && \
	tools/bench.sh build/$$preset
	cmake --preset bench
	cmake --build $(BENCH) -j $(JOBS) --target player_link_bench
	$(BENCH)/tests/bench/player_link_bench

# Runs each fuzz target for FUZZ_SECONDS from its seed corpus in tests/fuzz/corpus; not a test. What the fuzzers
# find goes to $(FUZZ)/corpus, crashes to $(FUZZ)/crashes.
FUZZ_TARGETS := title_text_fuzz compose_message_fuzz template_file_fuzz track_numbers_fuzz
fuzz:
	@tools/install-packages.sh clang-14 libclang-rt-14-dev
	cmake --preset fuzz
	cmake --build $(FUZZ) -j $(JOBS) --target $(FUZZ_TARGETS)
	@mkdir -p $(FUZZ)/crashes
	@for target in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ)/corpus/$$target; \
		echo "== $$target"; \
		$(FUZZ)/tests/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -max_len=1100 -print_final_stats=1 \
			-artifact_prefix=$(FUZZ)/crashes/$$target- $(FUZZ)/corpus/$$target tests/fuzz/corpus/$$target 2>&1 \
			| grep -E "^(stat::number_of_executed_units|Done|==[0-9]+==|SUMMARY|.*(crash|leak|timeout|deadly))" \
			|| true; \
		test -z "$$(ls $(FUZZ)/crashes | grep "^$$target-")" || { echo "$$target found a crash: see $(FUZZ)/crashes"; exit 1; }; \
	done

clean:
	rm -rf build

# The README's set-up on a new machine: `make test` in a minimal Debian root with only git and make added. Needs
# root and a few minutes; not part of `make test`.
.PHONY: fresh-check
fresh-check:
	tools/fresh-check.sh
