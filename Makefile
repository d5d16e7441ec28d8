# make          build
# make run      install what building and running need, build, start the program
# make test     install that and the test tools, build, run every test headless
# make package  build the Debian package (build/morvex_VERSION_ARCH.deb)
# make bench, make bench-startup   timings (docs/performance.md)
# Each build is a preset of CMakePresets.json: normal (build/), sanitizers (build-asan/),
# fuzz (build-fuzz/), bench (build-bench/). Every warning is an error, here as in CI; WERROR=OFF
# lets a warning through for a moment's experiment.
FUZZ_SECONDS ?= 120
FUZZERS = fuzz_normalizar fuzz_numeros fuzz_valoracion fuzz_certificado
JOBS ?= $(shell nproc)
WERROR ?= ON

.PHONY: all build deps run test package format soak fuzz bench bench-startup screenshots clean \
	FORCE

all: build

# Each task installs only the packages it needs: deps-SET installs the set of that name of
# scripts/paquetes.sh (run, package, test, fuzz, bench, startup, format); deps installs them all.
deps:
	@sh scripts/paquetes.sh all
deps-%: FORCE
	@sh scripts/paquetes.sh $*

# Configure (quick when nothing changed) and build one preset.
define construir
	cmake --preset $(1) -DMORVEX_WERROR=$(WERROR) > /dev/null
	cmake --build --preset $(1) -j $(JOBS)
endef

build:
	$(call construir,normal)

run: deps-run build
	./build/morvex

# Every test twice: as built for use, and built with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any finding (leaks included) fails the run.
test: deps-test build
	ctest --preset normal -j $(JOBS)
	$(call construir,sanitizers)
	ctest --preset sanitizers -j $(JOBS)

package: deps-package build
	cmake --build --preset normal --target package

# Fails on any C++ file that clang-format would change; `sh scripts/formato.sh --fix` mends.
format: deps-format
	@sh scripts/formato.sh

# 200,000 random actions on both windows with a new seed (the seed is printed).
soak: deps-run build
	QT_QPA_PLATFORM=offscreen MORVEX_AGUANTE_ACCIONES=200000 \
	MORVEX_AGUANTE_SEMILLA=$$(date +%s) ./build/tests/tst_aguante

# Each fuzz target for FUZZ_SECONDS, from the seeds in tests/fuzz/semillas; what it learns
# stays in build-fuzz/corpus, findings as crash-* files in build-fuzz.
fuzz: deps-fuzz
	$(call construir,fuzz)
	@set -e; cd build-fuzz; for f in $(FUZZERS); do \
	    mkdir -p corpus/$$f; \
	    echo "== $$f for $(FUZZ_SECONDS) s"; \
	    if ./tests/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        corpus/$$f $(CURDIR)/tests/fuzz/semillas/$$f > corpus/$$f.log 2>&1; then \
	        grep -E "^(Done|stat::number_of_executed_units)" corpus/$$f.log; \
	    else \
	        tail -n 40 corpus/$$f.log; echo "$$f found a fault"; exit 1; \
	    fi; \
	done; \
	echo "fuzz: $(words $(FUZZERS)) passed, 0 failed"

# Timings, on a Release build of their own: the arithmetic and the window actions (offscreen)
# in one table; the start-up against a one-label Qt window (docs/performance.md).
bench: deps-bench
	$(call construir,bench)
	@if [ -x build-bench/bench/bench_calculo ]; then \
	    QT_QPA_PLATFORM=offscreen ./build-bench/bench/bench_calculo; \
	else echo "Google Benchmark not found: apt-get install libbenchmark-dev"; exit 1; fi

bench-startup: deps-startup
	$(call construir,bench)
	sh scripts/arranque.sh build-bench
	@echo "== the floor: the same controls bare, against the one-label window"
	PROGRAMA=build-bench/bench/solo_controles sh scripts/arranque.sh build-bench
	@echo "== the same controls with the fonts the sheets show, against the one-label window"
	PROGRAMA=build-bench/bench/solo_controles_con_aspecto sh scripts/arranque.sh build-bench

# Headless, on a large screen without window frames; the second run renders the valuation
# window at scale factor 2.
SCREEN = offscreen:configfile=$(CURDIR)/tests/pantalla.json

screenshots: deps-test build
	QT_QPA_PLATFORM=$(SCREEN) ./build/capturas docs
	QT_QPA_PLATFORM=$(SCREEN) QT_SCALE_FACTOR=2 ./build/capturas docs

clean:
	rm -rf build build-asan build-fuzz build-bench
