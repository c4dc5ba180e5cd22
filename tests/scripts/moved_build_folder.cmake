# cmake -DSOURCE=tree -DDEPS=folder-of-the-real-deps -DWORK=scratch -P moved_build_folder.cmake
# Configures the i686 tree in a build folder elsewhere (ZV_BUILD), whose deps are the real ones, and
# checks that the image libraries come from there and not from the source tree's build folder.
file(REMOVE_RECURSE "${WORK}")
set(moved "${WORK}/elsewhere")
file(MAKE_DIRECTORY "${moved}")
file(CREATE_LINK "${DEPS}" "${moved}/deps" SYMBOLIC RESULT linked)
if(NOT linked STREQUAL "0")
  message(FATAL_ERROR "cannot link ${DEPS} into the scratch build folder: ${linked}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ZV_BUILD=${moved}
          ${CMAKE_COMMAND} -S "${SOURCE}" -B "${moved}/win-i686" -G Ninja -Wno-dev
          "-DCMAKE_TOOLCHAIN_FILE=${SOURCE}/cmake/mingw-i686.cmake"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the tree in the moved build folder did not configure:\n${output}")
endif()
file(STRINGS "${moved}/win-i686/CMakeCache.txt" found REGEX "^(PNG_LIBRARY_RELEASE|JPEG_LIBRARY_RELEASE|ZV_DEPS_PREFIX):")
list(LENGTH found count)
if(NOT count EQUAL 3)
  message(FATAL_ERROR "expected the deps folder and both libraries in the cache, found: ${found}")
endif()
foreach(entry ${found})
  if(NOT entry MATCHES "=${moved}/deps/i686")
    message(FATAL_ERROR "not from the moved build folder ${moved}: ${entry}")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
message(STATUS "the moved build folder's libraries were used: ${found}")
