# Unpacks the package into a folder of its own, as a user would:
#   cmake -DZIP=<zip> -DOUT=<folder> -P unpack_package.cmake
if(NOT EXISTS "${ZIP}")
  message(FATAL_ERROR "unpack_package: no package at ${ZIP}")
endif()
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf "${ZIP}" WORKING_DIRECTORY "${OUT}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "unpack_package: ${ZIP} did not unpack (${rc})")
endif()
