# cmake -DSCDOC=... -DGZIP=... -DINPUT=page.1.scd -DOUTPUT=page.1 -P run-scdoc.cmake
# Runs scdoc < INPUT > OUTPUT, then writes OUTPUT.gz (gzip -9n, the form in
# which the page is installed). Leaves no output behind when a step fails.
execute_process(COMMAND ${SCDOC} INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT}.tmp
                ERROR_VARIABLE errors RESULT_VARIABLE status)
if(status EQUAL 0)
  execute_process(COMMAND ${GZIP} -9 -n -c INPUT_FILE ${OUTPUT}.tmp OUTPUT_FILE ${OUTPUT}.gz.tmp
                  ERROR_VARIABLE errors RESULT_VARIABLE status)
endif()
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT}.tmp ${OUTPUT}.gz.tmp)
  message(FATAL_ERROR "building ${OUTPUT} from ${INPUT} failed:\n${errors}")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
file(RENAME ${OUTPUT}.gz.tmp ${OUTPUT}.gz)
