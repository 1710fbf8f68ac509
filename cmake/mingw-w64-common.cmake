# The part of the MinGW-w64 toolchain files that both widths share; included
# by mingw-i686.cmake and mingw-x86_64.cmake after they set
# _quillot_triplet, never used on its own.

set(CMAKE_SYSTEM_NAME Windows)

find_program(_quillot_cxx ${_quillot_triplet}-g++-posix REQUIRED)
find_program(_quillot_cc ${_quillot_triplet}-gcc-posix REQUIRED)
find_program(_quillot_rc ${_quillot_triplet}-windres REQUIRED)
set(CMAKE_C_COMPILER ${_quillot_cc})
set(CMAKE_CXX_COMPILER ${_quillot_cxx})
set(CMAKE_RC_COMPILER ${_quillot_rc})

# Look up headers and libraries in the MinGW sysroot only, programs on the host.
set(CMAKE_FIND_ROOT_PATH /usr/${_quillot_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: no libgcc, libstdc++ or winpthread DLL beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine in a prefix of the tree's width kept inside the
# build tree (wine-run.sh picks the loader by the program's machine type). The
# prefix path must be absolute: ctest runs each test in its own directory.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix)
endif()

unset(_quillot_triplet)
unset(_quillot_cxx)
unset(_quillot_cc)
unset(_quillot_rc)
