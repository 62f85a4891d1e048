# Warnings are errors in our own builds (make and CI turn VORLUNE_WERROR on); a
# plain CMake build with a packager's flags only reports them. The reduction's
# floating-point work must round the same on every machine: no fused
# multiply-add, SSE2 doubles.
add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off)
if(VORLUNE_WERROR)
  add_compile_options(-Werror)
endif()
# GCC 12 at -O2/-O3 reports overlapping copies inside std::string's own
# operator+ that cannot happen (GCC bug 105329, mended in GCC 13).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
  add_compile_options(-msse2 -mfpmath=sse)
endif()

if(VORLUNE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Adds a GoogleTest executable registered with CTest.
function(vorlune_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# Fuzzing builds instrument the whole core for coverage; the harnesses link the fuzzer.
if(VORLUNE_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
