# Refreshes a copy of a .ts file from the sources as lupdate does (a text that is new in the
# sources comes in unfinished), then checks it and the built .qm.
# Run as: cmake -DLUPDATE=... -DSOURCES=sources.lst -DTS=... -DQM=... -DCHECK=... -DWORK=dir -P CheckTranslations.cmake
cmake_minimum_required(VERSION 3.25)
get_filename_component(name "${TS}" NAME)
file(MAKE_DIRECTORY "${WORK}")
configure_file("${TS}" "${WORK}/${name}" COPYONLY)
execute_process(COMMAND "${LUPDATE}" -no-obsolete -locations none -no-ui-lines -silent "@${SOURCES}" -ts "${WORK}/${name}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status})")
endif()
execute_process(COMMAND "${CHECK}" "${WORK}/${name}" "${QM}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${name} is not complete: translate what is listed above (docs/translations.md)")
endif()
