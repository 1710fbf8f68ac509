# Cross-compiles Quillot for 32-bit Windows with MinGW-w64 and runs the
# resulting test programs under Wine through CTest's cross-compiling emulator.
#
# Usage:
#   cmake -S . -B build/windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
#
# Requires the Debian packages g++-mingw-w64-i686 (posix thread model: the
# win32 one cannot build GoogleTest), mingw-w64-i686-dev and binutils-mingw-w64
# (windres), and wine with wine32 for running the tests (on a kernel that runs
# 32-bit programs; mingw-x86_64.cmake builds the 64-bit twin for the others).

set(CMAKE_SYSTEM_PROCESSOR x86)
set(_quillot_triplet i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
