# make demo   install what is missing, build, start a simulated logger and the program
# make test   install what is missing, build, run every test
# make run    build and start the program for real loggers (ARGS="--port /dev/ttyUSB0")
# make build  configure and build only
# make package   the Debian package (.deb), built in its own folder without the update check
# make translations   refresh the .ts files from the sources (developers; commit the result)
# make test-sanitize   build and run the tests under AddressSanitizer and UndefinedBehaviorSanitizer,
#                      in their own folder; SAN_TESTS="pattern" runs only the tests it matches (ctest -R;
#                      none matching is an error),
#                      SAN_CIBLES="targets" builds only those
# make fuzz   each fuzz target of tests/fuzz for FUZZ_SECONDES seconds (clang and libFuzzer),
#             or FUZZ_EXECUTIONS inputs if that comes first

BUILD  ?= build
PAQUET ?= build-package
JOBS   ?= $(shell nproc)
ARGS   ?=
CMAKE_FLAGS ?=
SANITIZE ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDES ?= 60
FUZZ_EXECUTIONS ?=
SAN_TESTS ?=
SAN_CIBLES ?=
# The first error found ends the program, leaks included (but those of the
# libraries listed in tests/sanitizers/lsan.supp).
SAN_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0

.PHONY: all deps build test demo run package translations bench clean test-sanitize fuzz

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

# The build's own programs (the manual's layout) run under the sanitizers too.
test-sanitize: deps
	cmake -S . -B $(SANITIZE) -DVORSEN_SANITIZE=ON $(CMAKE_FLAGS)
	$(SAN_ENV) cmake --build $(SANITIZE) -j $(JOBS) $(if $(SAN_CIBLES),--target $(SAN_CIBLES))
	cd $(SANITIZE) && $(SAN_ENV) ctest --output-on-failure --no-tests=error -j $(JOBS) \
		$(if $(SAN_TESTS),-R '$(value SAN_TESTS)')

fuzz: deps
	@./scripts/install-deps clang
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DVORSEN_FUZZ=ON $(CMAKE_FLAGS)
	$(SAN_ENV) cmake --build $(FUZZ_BUILD) -j $(JOBS) --target programmes_fuzz
	FUZZ_EXECUTIONS=$(FUZZ_EXECUTIONS) ./scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDES)

clean:
	rm -rf $(BUILD) $(PAQUET) $(SANITIZE) $(FUZZ_BUILD)
