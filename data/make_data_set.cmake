# Makes the game's whole data set (everything beside zorvane.exe) from the sources in this folder
# with the data tools. Run as a script:
#   cmake -DTOOLS=<folder of the zv_* tools> -DKEY=<key file> -DOUT=<game folder>
#         -DWORK=<scratch folder> [-DLAME=<lame>] -P make_data_set.cmake
# The same sources and tools always give the same bytes.
cmake_minimum_required(VERSION 3.20)
foreach(var TOOLS KEY OUT WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_data_set: ${var} is not set")
  endif()
endforeach()
set(src "${CMAKE_CURRENT_LIST_DIR}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    list(JOIN ARGN " " line)
    message(FATAL_ERROR "make_data_set: failed (${rc}): ${line}")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/images" "${WORK}/sounds" "${WORK}/music" "${OUT}/help" "${OUT}/music")

# Levels and lessons: every text must pass the checker before anything is packed.
set(levels "")
foreach(i RANGE 1 20)
  string(LENGTH "${i}" n)
  if(n EQUAL 1)
    set(i "0${i}")
  endif()
  list(APPEND levels "${src}/levels/level${i}.txt")
endforeach()
file(GLOB lessons "${src}/lessons/lesson*.txt")
list(SORT lessons)
if(EXISTS "${TOOLS}/zv_level_check")
  run("${TOOLS}/zv_level_check" -q ${levels} ${lessons})
else()
  message(WARNING "make_data_set: no level checker among the tools; levels packed unchecked")
endif()
run("${TOOLS}/zv_datafile" pack level "${KEY}" "${OUT}/level.dat" ${levels})
foreach(k RANGE 1 5)
  file(COPY_FILE "${src}/lessons/lesson${k}.txt" "${OUT}/help/lesson${k}.dat")
endforeach()

# Images and sounds, drawn and synthesised, then packed.
run("${TOOLS}/zv_make_images" "${WORK}/images")
file(GLOB images "${WORK}/images/image*.png")
list(SORT images)
run("${TOOLS}/zv_datafile" pack image "${KEY}" "${OUT}/image.dat" ${images})
run("${TOOLS}/zv_make_sounds" "${WORK}/sounds")
file(GLOB sounds "${WORK}/sounds/sound*.wav")
list(SORT sounds)
run("${TOOLS}/zv_datafile" pack sound "${KEY}" "${OUT}/sound.dat" ${sounds})

# Music: rendered, then encoded as MP3. The menu's piece is "music.dat", the race pieces go into
# the music folder.
if(LAME)
  run("${TOOLS}/zv_make_music" "${WORK}/music")
  file(GLOB pieces "${WORK}/music/*.wav")
  foreach(piece ${pieces})
    get_filename_component(name "${piece}" NAME_WE)
    if(name STREQUAL "menu")
      set(target "${OUT}/music.dat")
    else()
      set(target "${OUT}/music/${name}.mp3")
    endif()
    run("${LAME}" --quiet --nohist -m m -b 96 "${piece}" "${target}")
  endforeach()
else()
  message(WARNING "make_data_set: lame not found; the game will have no music")
endif()

file(COPY_FILE "${src}/config.ini" "${OUT}/config.ini")
file(REMOVE_RECURSE "${WORK}")
