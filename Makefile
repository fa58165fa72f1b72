# make demo   install what is missing, build, start a simulated logger and the program
# make test   install what is missing, build, run every test
# make run    build and start the program for real loggers (ARGS="--port /dev/ttyUSB0")
# make build  configure and build only
# make translations   refresh the .ts files from the sources (developers; commit the result)

BUILD  ?= build
JOBS   ?= $(shell nproc)
ARGS   ?=
CMAKE_FLAGS ?=

.PHONY: all deps build test demo run translations bench clean

all: build

deps:
	@./scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: deps
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: deps
	@$(MAKE) --no-print-directory build
	./scripts/demo $(BUILD) $(ARGS)

run: build
	cd $(BUILD)/bin && ./Vorsen_Logger $(ARGS)

translations: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target traductions

bench: build
	./scripts/bench $(BUILD)

clean:
	rm -rf $(BUILD)
