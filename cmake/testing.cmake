# GoogleTest from Debian's sources, built in both trees.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
include(GoogleTest)

if(ZV_WINDOWS)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/cmake/wine-run.sh")
endif()

# zv_test(name SOURCES ... [LIBS ...] [WINDOWS_ONLY] [LABELS ...])
# A GoogleTest program whose tests CTest finds when it runs them (so building needs no Wine).
function(zv_test name)
  cmake_parse_arguments(T "WINDOWS_ONLY;NATIVE_ONLY" "" "SOURCES;LIBS;LABELS" ${ARGN})
  if(T_WINDOWS_ONLY AND NOT ZV_WINDOWS)
    return()
  endif()
  if(T_NATIVE_ONLY AND ZV_WINDOWS)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  set(labels ${T_LABELS})
  if(ZV_WINDOWS)
    list(APPEND labels windows)
  else()
    list(APPEND labels native)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES LABELS "${labels}" TIMEOUT 300)
endfunction()
