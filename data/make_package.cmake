# Makes the zip that a Windows user unpacks and runs: a folder "Zorvane" with zorvane.exe, the
# settings program qbk.exe, the data set as shipped (config.ini from the sources, never one that a
# run in the build folder changed; no players or scores) and README.txt. Run as a script:
#   cmake -DGAME=<build's game folder> -DZORVANE=<zorvane.exe> -DSOURCE=<data folder>
#         -DWORK=<scratch folder> -DOUT=<zip> -P make_package.cmake
cmake_minimum_required(VERSION 3.20)
foreach(var GAME ZORVANE SOURCE WORK OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_package: ${var} is not set")
  endif()
endforeach()

set(folder "${WORK}/Zorvane")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${folder}/help")

file(COPY_FILE "${ZORVANE}" "${folder}/zorvane.exe")
foreach(name qbk.exe image.dat sound.dat level.dat)
  if(NOT EXISTS "${GAME}/${name}")
    message(FATAL_ERROR "make_package: ${GAME}/${name} is missing")
  endif()
  file(COPY_FILE "${GAME}/${name}" "${folder}/${name}")
endforeach()
foreach(k RANGE 1 5)
  file(COPY_FILE "${GAME}/help/lesson${k}.dat" "${folder}/help/lesson${k}.dat")
endforeach()
# Music is made only where an MP3 encoder was found.
if(EXISTS "${GAME}/music.dat")
  file(COPY_FILE "${GAME}/music.dat" "${folder}/music.dat")
  file(GLOB pieces "${GAME}/music/*.mp3")
  file(MAKE_DIRECTORY "${folder}/music")
  foreach(piece ${pieces})
    get_filename_component(name "${piece}" NAME)
    file(COPY_FILE "${piece}" "${folder}/music/${name}")
  endforeach()
endif()
file(COPY_FILE "${SOURCE}/config.ini" "${folder}/config.ini")
# Windows line ends for the text a user opens in Notepad.
file(READ "${SOURCE}/package/README.txt" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${folder}/README.txt" "${text}")

file(REMOVE "${OUT}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${OUT}" --format=zip Zorvane
                WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "make_package: the zip could not be made (${rc})")
endif()
