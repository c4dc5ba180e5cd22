# GoogleTest from Debian's sources, built in both trees.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
include(GoogleTest)

if(ZV_WINDOWS)
  # A tree's programs run under the Wine of the tree's own architecture.
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/cmake/wine-run.sh" ${CMAKE_SYSTEM_PROCESSOR})
endif()

# zv_test(name SOURCES ... [LIBS ...] [WINDOWS_ONLY|NATIVE_ONLY] [SERIAL] [LABELS ...] [FIXTURES ...])
# A GoogleTest program whose tests CTest finds when it runs them (so building needs no Wine).
# SERIAL: the tests run alone, for tests that send real input to the shared display (the
# foreground window and the mouse position belong to whoever runs at the same time).
# FIXTURES: CTest fixtures the tests need (started before them, ended after them).
function(zv_test name)
  cmake_parse_arguments(T "WINDOWS_ONLY;NATIVE_ONLY;SERIAL" "" "SOURCES;LIBS;LABELS;FIXTURES" ${ARGN})
  if(ZV_FUZZ OR (T_WINDOWS_ONLY AND NOT ZV_WINDOWS))
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
  set(serial FALSE)
  if(T_SERIAL)
    set(serial TRUE)
  endif()
  set(fixtures)
  if(T_FIXTURES)
    set(fixtures FIXTURES_REQUIRED "${T_FIXTURES}")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES LABELS "${labels}" TIMEOUT 300 RUN_SERIAL ${serial} ${fixtures})
endfunction()

# zv_fuzz(name SOURCES ... [LIBS ...] SEEDS dir)
# A libFuzzer target (only in the fuzz tree), run by CTest for ZV_FUZZ_SECONDS over a scratch corpus
# that starts from the seed folder: a few good inputs of the reader's own format, so that the run
# begins deep inside it. Inputs that once found faults belong there too. A fixed seed makes a fresh
# tree's run repeatable, so a fault CI finds can be found again here.
function(zv_fuzz name)
  cmake_parse_arguments(F "" "SEEDS" "SOURCES;LIBS" ${ARGN})
  if(NOT F_SEEDS OR NOT IS_DIRECTORY "${F_SEEDS}")
    message(FATAL_ERROR "fuzz target ${name} needs a folder of seed inputs (SEEDS)")
  endif()
  if(NOT ZV_FUZZ)
    return()
  endif()
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(corpus "${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus")
  file(MAKE_DIRECTORY "${corpus}")
  set(dirs "${corpus}" "${F_SEEDS}")
  add_test(NAME fuzz.${name}
    COMMAND ${name} -max_total_time=${ZV_FUZZ_SECONDS} -seed=${ZV_FUZZ_SEED} -timeout=10 -rss_limit_mb=2048
            -print_final_stats=1 ${dirs})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 900)
endfunction()
