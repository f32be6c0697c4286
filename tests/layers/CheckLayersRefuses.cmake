# The layering check itself: in a small tree of sources it must refuse an upward include in the
# core, a room of ui/ reaching a room above it and a file in no room, and pass a downward one.
# Run as: cmake -DCHECK=<CheckLayers.cmake> -DWORK=<scratch folder> -P CheckLayersRefuses.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/model/A.h" "#include \"plant/B.h\"\n")
file(WRITE "${WORK}/ui/grid/Grid.cpp" "#include \"ui/app/Frame.h\"\n")
file(WRITE "${WORK}/ui/app/Frame.cpp" "#include \"ui/grid/Grid.h\"\n")
file(WRITE "${WORK}/ui/Loose.cpp" "#include \"ui/common/Text.h\"\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECK} RESULT_VARIABLE result ERROR_VARIABLE out)
if(result EQUAL 0)
  message(FATAL_ERROR "The check passed a tree that breaks the layering:\n${out}")
endif()
foreach(expected "model/A.h: model/ includes plant/" "ui/grid/Grid.cpp: the room grid includes the room app"
                 "ui/Loose.cpp: in no room")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The check did not name \"${expected}\":\n${out}")
  endif()
endforeach()
string(FIND "${out}" "ui/app/Frame.cpp" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "The check refused the frame's include of a room below it:\n${out}")
endif()

file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/ui/app/Frame.cpp" "#include \"ui/grid/Grid.h\"\n#include \"model/A.h\"\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECK} RESULT_VARIABLE result ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The check refused a tree whose includes look down:\n${out}")
endif()
file(REMOVE_RECURSE "${WORK}")
