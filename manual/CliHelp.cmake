# Writes what q4150cli --help prints into a file, for the manual's chapter on the command line.
# Run as: cmake -DCLI=<q4150cli> -DOUT=<file> -P CliHelp.cmake
execute_process(COMMAND ${CLI} --help OUTPUT_FILE ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CLI} --help failed: ${status}")
endif()
