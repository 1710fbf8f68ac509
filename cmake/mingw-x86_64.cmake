# Cross-compiles Quillot for 64-bit Windows with MinGW-w64 and runs the
# resulting test programs under 64-bit Wine through CTest's cross-compiling
# emulator. The 32-bit build (mingw-i686.cmake) is the product; this one serves
# 64-bit-only systems and machines whose kernel runs no 32-bit programs.
#
# Usage:
#   cmake -S . -B build/windows64 -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
#
# Requires the Debian packages g++-mingw-w64-x86-64-posix (posix thread model:
# the win32 one cannot build GoogleTest), mingw-w64-x86-64-dev and
# binutils-mingw-w64 (windres), and wine64 for running the tests.

set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(_quillot_triplet x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
