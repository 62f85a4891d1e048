# Vorlune: `make run` starts the editor, `make test` runs every test.
# Both install what is missing first (Debian 12, apt-get).

JOBS    ?= 2
BUILD   ?= build
# Our own builds treat warnings as errors; a plain cmake build does not.
CMAKE   := cmake -G Ninja -Wno-dev -DVORLUNE_WERROR=ON
FUZZ_SECONDS ?= 60
# Background of the editor screenshots: a photo of the shared pictures beside
# the checkout when there is one, else a picture of the repository.
PICTURE ?= $(firstword $(wildcard $(CURDIR)/../shared/pictures/09_sky_clouds.bmp \
             $(CURDIR)/../../shared/pictures/09_sky_clouds.bmp) fuzz/corpus/bmp_import/d24.bmp)
# Language of the screenshots: ja or en.
LANG_SHOTS ?= ja

.PHONY: all deps build test run sanitize bench fuzz format format-check clean screenshots package \
	check-install translations

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: CMakeLists.txt | deps
	$(CMAKE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/vorlune ]; then $(BUILD)/bin/vorlune; else $(BUILD)/bin/vorlune-cli --help; fi

# Every test again, built with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	$(CMAKE) -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVORLUNE_SANITIZE=ON
	cmake --build build-sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

# Pictures of the editor with a laid-out skin and of every dialog, under a virtual X server.
screenshots: build
	xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/bin/vorlune-screenshots --lang $(LANG_SHOTS) \
	  $(BUILD)/screenshots/$(LANG_SHOTS) $(PICTURE)
	@echo "pictures in $(BUILD)/screenshots/$(LANG_SHOTS)"

# The Debian package, from a Release build of its own: build-package/vorlune_*.deb.
# The same commit and SOURCE_DATE_EPOCH give the same file.
package: deps
	bash scripts/build-package.sh build-package

# Release build, install into a staging folder, the desktop, AppStream, MIME and
# man page checks.
check-install: deps
	bash scripts/check-install.sh build-release

# Refreshes translations/vorlune_en.ts from the sources (new texts come in unfinished).
translations: deps
	/usr/lib/qt6/bin/lupdate -I src src/app src/dialogs -ts translations/vorlune_en.ts -locations none -no-obsolete

bench: deps
	$(CMAKE) -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVORLUNE_BENCH=ON -DVORLUNE_TESTS=OFF -DVORLUNE_GUI=OFF
	cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bin/bench_*; do echo "== $$b"; $$b --benchmark_min_time=0.5 || exit 1; done

fuzz: deps
	CC=clang CXX=clang++ $(CMAKE) -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVORLUNE_FUZZ=ON -DVORLUNE_TESTS=OFF -DVORLUNE_GUI=OFF
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	bash fuzz/run.sh build-fuzz/bin $(FUZZ_SECONDS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) build-sanitize build-bench build-fuzz build-release build-clang build-package
