# make demo   install what is missing, build, start a simulated logger and the program
# make test   install what is missing, build, run every test
# make run    build and start the program for real loggers (ARGS="--port /dev/ttyUSB0")
# make build  configure and build only
# make package   the Debian package (.deb), built in its own folder without the update check
# make translations   refresh the .ts files from the sources (developers; commit the result)

BUILD  ?= build
PAQUET ?= build-package
JOBS   ?= $(shell nproc)
ARGS   ?=
CMAKE_FLAGS ?=

.PHONY: all deps build test demo run package translations bench clean

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

# A distribution package is updated by its package manager: it is built without
# the update check, in its own folder. The package installs under /usr.
package: deps
	cmake -S . -B $(PAQUET) -DVORSEN_MISE_A_JOUR=OFF $(CMAKE_FLAGS)
	cmake --build $(PAQUET) -j $(JOBS)
	cd $(PAQUET) && cpack -G DEB
	@ls -1 $(PAQUET)/*.deb

translations: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target traductions

bench: build
	./scripts/bench $(BUILD)

clean:
	rm -rf $(BUILD) $(PAQUET)
