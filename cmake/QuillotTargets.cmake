# Helpers shared by every folder of the project.

# Warnings on everywhere; none may be left.
function(quillot_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(QUILLOT_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Natively, every portable library also gets a "_checked" twin built with
# AddressSanitizer and UndefinedBehaviorSanitizer, for the unit tests; the
# plain one (optimised) serves the programs and the benchmarks. Elsewhere the
# twin is an alias of the plain library.
if(NOT CMAKE_CROSSCOMPILING AND NOT QUILLOT_FUZZ_ONLY AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(QUILLOT_SANITIZED_TWINS ON)
else()
  set(QUILLOT_SANITIZED_TWINS OFF)
endif()
set(QUILLOT_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

# quillot_portable_library(NAME SOURCES files... [DEPENDS libs...])
function(quillot_portable_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  quillot_warnings(${name})
  if(QUILLOT_SANITIZED_TWINS)
    set(_checked_deps)
    foreach(_dep ${ARG_DEPENDS})
      list(APPEND _checked_deps ${_dep}_checked)
    endforeach()
    add_library(${name}_checked STATIC ${ARG_SOURCES})
    target_include_directories(${name}_checked PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name}_checked PUBLIC ${_checked_deps})
    target_compile_options(${name}_checked PUBLIC ${QUILLOT_SANITIZER_FLAGS} -g -O1)
    target_link_options(${name}_checked PUBLIC ${QUILLOT_SANITIZER_FLAGS})
    quillot_warnings(${name}_checked)
  else()
    add_library(${name}_checked ALIAS ${name})
  endif()
endfunction()

# quillot_add_test(NAME SOURCES files... LIBS libs... [LOCKS resource...] [PROPERTIES ...])
# One GoogleTest program; its tests are listed when ctest runs (under Wine
# in the Windows tree), so building never starts Wine.
function(quillot_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LOCKS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE
    QUILLOT_CORPUS_DIR="${QUILLOT_CORPUS_DIR_FOR_TESTS}"
    QUILLOT_SOURCE_DIR="${QUILLOT_SOURCE_DIR_FOR_TESTS}")
  quillot_warnings(${name})
  set(_props ${ARG_PROPERTIES})
  if(ARG_LOCKS)
    list(APPEND _props RESOURCE_LOCK "${ARG_LOCKS}")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    TEST_PREFIX "${name}."
    PROPERTIES TIMEOUT 120 ${_props})
endfunction()
