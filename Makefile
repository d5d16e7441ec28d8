# make        build
# make run    install what is missing, build, start the program
# make test   install what is missing, build, run every test headless
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all build deps run test screenshots clean

all: build

deps:
	@sh scripts/paquetes.sh

$(BUILD)/Makefile: CMakeLists.txt
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS)

run: deps build
	./$(BUILD)/morvex

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

screenshots: deps build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/capturas docs

clean:
	rm -rf $(BUILD)
