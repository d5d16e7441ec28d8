# make        build
# make run    install what is missing, build, start the program
# make test   install what is missing, build, run every test headless
BUILD ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
FUZZ_SECONDS ?= 120
FUZZERS = fuzz_normalizar fuzz_numeros fuzz_valoracion fuzz_certificado
JOBS ?= $(shell nproc)

.PHONY: all build deps run test soak fuzz bench screenshots clean

all: build

deps:
	@sh scripts/paquetes.sh

$(BUILD)/Makefile: CMakeLists.txt
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS)

run: deps build
	./$(BUILD)/morvex

# Every test twice: as built for use, and built with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any finding (leaks included) fails the run.
test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVEX_SANITIZE=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ctest --output-on-failure -j $(JOBS)

# 200,000 random actions on both windows with a new seed (the seed is printed).
soak: deps build
	QT_QPA_PLATFORM=offscreen MORVEX_AGUANTE_ACCIONES=200000 \
	MORVEX_AGUANTE_SEMILLA=$$(date +%s) ./$(BUILD)/tests/tst_aguante

# Each fuzz target for FUZZ_SECONDS, from the seeds in tests/fuzz/semillas; what it learns
# stays in $(BUILD_FUZZ)/corpus, findings as crash-* files in $(BUILD_FUZZ).
fuzz: deps
	cmake -S . -B $(BUILD_FUZZ) -DMORVEX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@set -e; cd $(BUILD_FUZZ); for f in $(FUZZERS); do \
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

bench: deps build
	./$(BUILD)/bench/bench_calculo

# Headless, on a large screen without window frames; the second run renders the valuation
# window at scale factor 2.
SCREEN = offscreen:configfile=$(CURDIR)/tests/pantalla.json

screenshots: deps build
	QT_QPA_PLATFORM=$(SCREEN) ./$(BUILD)/capturas docs
	QT_QPA_PLATFORM=$(SCREEN) QT_SCALE_FACTOR=2 ./$(BUILD)/capturas docs

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)
