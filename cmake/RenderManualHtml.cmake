# cmake -DSCDOC=... -DMANDOC=... -DINPUT=page.1.scd -DOUTPUT=page.html -P RenderManualHtml.cmake
# The manual page in HTML: scdoc makes the page, mandoc renders it.
execute_process(COMMAND ${SCDOC} INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT}.1 RESULT_VARIABLE status
                ERROR_VARIABLE errors)
if(status EQUAL 0)
  execute_process(COMMAND ${MANDOC} -T html -O style=none ${OUTPUT}.1 OUTPUT_FILE ${OUTPUT}.tmp
                  RESULT_VARIABLE status ERROR_VARIABLE errors)
endif()
file(REMOVE ${OUTPUT}.1)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT}.tmp)
  message(FATAL_ERROR "rendering ${INPUT} as HTML failed:\n${errors}")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
