# Sourced by scripts/test: the sanitized build's settings and the environment its tests run in.
# GCC's own warnings under -fsanitize include known false positives (-Wmaybe-uninitialized in
# the standard library), so -Werror stays with the normal build.
sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
swivlo_sanitizer_cmake_args=(
    "-DCMAKE_CXX_FLAGS=$sanitize"
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
    "-DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=address,undefined"
    # Benchmarks are not tests, and their figures mean nothing in this build.
    "-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON"
)
unset sanitize

# Any report fails the test that produced it; leaks inside system libraries are listed in
# scripts/lsan.supp (never our own code).
swivlo_sanitizer_environment() {
    local root=$1
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0:check_initialization_order=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
}
