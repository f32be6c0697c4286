# Fails when an include runs upward: each folder may include only itself and the layers below
# it, and the core (model, link, setup, unit, transfer, compare, check, job, plant, codec) includes
# no Qt header. The checks (check/) stand on compare/ and never reach the line, the transfers or the
# plant; the one job (job/) runs transfers and asks the checks, and knows no plant; the set-up's
# text forms (codec/) stand on compare/ and serve the front ends alone.
# Run as: cmake -DROOT=<source dir> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)

set(allowed_model    model)
set(allowed_link     link model)
set(allowed_setup    setup model)
set(allowed_unit     unit setup model)
set(allowed_transfer transfer unit setup link model)
set(allowed_compare  compare unit setup model)
set(allowed_check    check compare unit setup model)
set(allowed_job      job check compare transfer unit setup link model)
set(allowed_plant    plant job check compare transfer unit setup link model)
set(allowed_codec    codec compare unit setup model)
set(allowed_sim      sim link model)
set(allowed_cli      cli codec plant job check compare transfer unit setup link model)
set(allowed_ui       ui sim codec plant job check compare transfer unit setup link model)
set(allowed_manual   manual check compare unit setup model)
set(core_layers model link setup unit transfer compare check job plant codec)
set(layers model link setup unit transfer compare check job plant codec sim cli ui manual)

set(problems "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE sources "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    file(RELATIVE_PATH where "${ROOT}" "${source}")
    foreach(line IN LISTS includes)
      if(line MATCHES "#[ \t]*include[ \t]*\"([A-Za-z0-9_]+)/")
        set(target "${CMAKE_MATCH_1}")
        if(target IN_LIST layers AND NOT target IN_LIST allowed_${layer})
          string(APPEND problems "  ${where}: ${layer}/ includes ${target}/ (${line})\n")
        endif()
      elseif(layer IN_LIST core_layers AND line MATCHES "#[ \t]*include[ \t]*<Q")
        string(APPEND problems "  ${where}: the core includes Qt (${line})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "Includes that break the layering:\n${problems}")
endif()
message(STATUS "Every include looks down.")
