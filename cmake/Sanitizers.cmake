# Builds under the sanitizers, for every target of the tree:
#   -DVORSEN_SANITIZE=ON  AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer,
#                         the first error ends the program (make test-sanitize);
#   -DVORSEN_FUZZ=ON      the same with clang's coverage for libFuzzer, and the
#                         fuzz programs of tests/fuzz (make fuzz).
option(VORSEN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VORSEN_FUZZ "Build the libFuzzer programs of tests/fuzz (clang only), sanitized" OFF)

if(VORSEN_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "VORSEN_FUZZ needs clang: -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
if(VORSEN_SANITIZE OR VORSEN_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# The sanitizers' settings for the build's own programs and the tests (added to
# each test's environment and to the manual's layout): stop at the first error,
# leaks of the libraries listed in tests/sanitizers/lsan.supp aside.
set(VORSEN_ENV_SANITIZERS)
if(VORSEN_SANITIZE OR VORSEN_FUZZ)
    set(VORSEN_ENV_SANITIZERS
        "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1"
        "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0")
endif()
