# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing first (scripts/setup.sh), then build with CMake presets.

PRESET ?= dev
BUILD_DIR = build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Where `make install` puts the game.
PREFIX ?= /usr/local
# Tests keep their runtime files inside the build tree, not in the user's session.
TEST_ENV = XDG_RUNTIME_DIR=$(CURDIR)/build/runtime QT_QPA_PLATFORM=offscreen

.PHONY: run test asan soak memcheck bench bench-startup bench-pacing build setup install package format format-check lint screenshot translations desktop-pot clean

setup:
	@scripts/setup.sh

build: setup
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR)/plovari

test: build
	@mkdir -p build/runtime && chmod 700 build/runtime
	@$(TEST_ENV) ctest --preset $(PRESET) -j $(JOBS)

asan:
	@$(MAKE) --no-print-directory test PRESET=asan

# Random play at length: 200 000 actions on the window, some minutes.
soak:
	@$(MAKE) --no-print-directory build PRESET=dev
	@mkdir -p build/runtime && chmod 700 build/runtime
	@$(TEST_ENV) ctest --preset soak

# The window tests under valgrind's memcheck (random play shortened), on the dev build.
memcheck:
	@scripts/setup.sh --memcheck
	@$(MAKE) --no-print-directory build PRESET=dev
	@mkdir -p build/runtime && chmod 700 build/runtime
	@$(TEST_ENV) ctest --preset memcheck -j $(JOBS)

bench:
	@$(MAKE) --no-print-directory build PRESET=release
	@build/release/bench/plovari_bench

install:
	@$(MAKE) --no-print-directory build PRESET=release
	@cmake --install build/release --prefix $(PREFIX)

# The Debian package, built for /usr/games and checked with lintian (tests/package).
package:
	@$(MAKE) --no-print-directory build PRESET=package
	@ctest --preset package
	@ls build/package/*.deb

# Start-up time, memory and CPU of the game against a bare Qt window, under an Xvfb of its own.
bench-startup:
	@scripts/setup.sh --display
	@$(MAKE) --no-print-directory build PRESET=release
	@bench/startup.sh build/release

# The real window's pacing, offscreen: how far the tick intervals at Fast and Slow stray from
# the pace over 50 turns each (95th percentile and largest), and the step-mode latency from
# click to end of turn, each against its target; about a minute, most of it at Slow.
bench-pacing:
	@$(MAKE) --no-print-directory build PRESET=release
	@mkdir -p build/runtime && chmod 700 build/runtime
	@$(TEST_ENV) build/release/bench/plovari_pacing_bench

# The pictures in English, or in another shipped language with SHOT_LANGUAGE=de (docs/race-de.png).
SHOT_LANGUAGE ?= en
SHOT_PICTURE = docs/race$(if $(filter en,$(SHOT_LANGUAGE)),,-$(SHOT_LANGUAGE)).png
screenshot:
	@scripts/setup.sh --display
	@$(MAKE) --no-print-directory build
	@LANGUAGE=$(SHOT_LANGUAGE) scripts/screenshot.sh $(BUILD_DIR)/plovari build/screenshots
	@cp build/screenshots/race.png $(SHOT_PICTURE)
	@echo "build/screenshots: ready, race, finished, help and about (.png); $(SHOT_PICTURE) updated"

# Refreshes translations/*.ts from the sources (lupdate): new texts come in unfinished; the
# help catalogues from the English help (po4a): changed units come in fuzzy; and
# the desktop entry's and metainfo's gettext files, as desktop-pot does.
translations: setup
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) --target update_translations desktop-pot help-po

# For translators: refreshes assets/desktop/po/plovari.pot from the desktop entry and metainfo
# and merges it into every .po there.
desktop-pot: setup
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) --target desktop-pot

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: setup
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# clang-tidy (.clang-tidy) over every source of the dev build, which is built first so that the
# generated headers exist; any finding fails.
lint:
	@scripts/setup.sh --lint
	@$(MAKE) --no-print-directory build PRESET=dev
	@scripts/lint.sh $(BUILD_DIR) $(JOBS)

clean:
	@rm -rf build
