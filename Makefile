# make        build
# make run    install what is missing, build, start the program
# make test   install what is missing, build, run every test headless
BUILD ?= build
BUILD_ASAN ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: all build deps run test soak screenshots clean

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

screenshots: deps build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/capturas docs

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
