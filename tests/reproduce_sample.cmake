# Makes the sample scan again and compares it with the bundled one.
execute_process(COMMAND ${MAKER} ${OUTPUT} RESULT_VARIABLE made)
if(NOT made EQUAL 0)
    message(FATAL_ERROR "make-sample-scan failed: ${made}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${BUNDLED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "the sample scan made now differs from ${BUNDLED}")
endif()
