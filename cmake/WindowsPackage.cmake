# The Windows installer and portable archive: peruka-VERSION.msi, built by
# wixl (msitools) from packaging/windows/peruka.wxs, and
# peruka-VERSION-windows-x64.zip, from the same files (the programs,
# stripped; the manual pages as HTML, rendered by mandoc from the scdoc
# sources; README and LICENSE; a short text on how to run it).
find_program(PERUKA_WIXL wixl)
find_program(PERUKA_MSIBUILD msibuild)
find_program(PERUKA_MANDOC mandoc)
find_program(PERUKA_SCDOC scdoc)
find_program(PERUKA_STRIP NAMES ${CMAKE_STRIP} x86_64-w64-mingw32-strip)
if(NOT (PERUKA_WIXL AND PERUKA_MSIBUILD AND PERUKA_MANDOC AND PERUKA_SCDOC AND PERUKA_STRIP))
  message(STATUS "Windows package: not built (needs wixl, msibuild, mandoc, scdoc and strip)")
  return()
endif()

set(stage ${PROJECT_BINARY_DIR}/windows-package)
set(PERUKA_MSI ${PROJECT_BINARY_DIR}/peruka-${PROJECT_VERSION}.msi)
set(PERUKA_ZIP ${PROJECT_BINARY_DIR}/peruka-${PROJECT_VERSION}-windows-x64.zip)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/how-to-run.txt ${stage}/doc/how-to-run.txt @ONLY)
# The string pool's code page: the Japanese names read right on a Windows of
# any language.
file(WRITE ${stage}/_ForceCodepage.idt "\r\n\r\n932\t_ForceCodepage\r\n")

set(manuals)
foreach(page peruka peruka-fit)
  add_custom_command(
    OUTPUT ${stage}/doc/${page}.html
    COMMAND ${CMAKE_COMMAND} -DSCDOC=${PERUKA_SCDOC} -DMANDOC=${PERUKA_MANDOC}
            -DINPUT=${PROJECT_SOURCE_DIR}/docs/${page}.1.scd -DOUTPUT=${stage}/doc/${page}.html
            -P ${PROJECT_SOURCE_DIR}/cmake/RenderManualHtml.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/${page}.1.scd ${PROJECT_SOURCE_DIR}/cmake/RenderManualHtml.cmake
    COMMENT "Rendering ${page}(1) as HTML"
    VERBATIM)
  list(APPEND manuals ${stage}/doc/${page}.html)
endforeach()

add_custom_command(
  OUTPUT ${PERUKA_MSI} ${PERUKA_ZIP}
  COMMAND ${PERUKA_STRIP} -o ${stage}/peruka.exe $<TARGET_FILE:peruka>
  COMMAND ${PERUKA_STRIP} -o ${stage}/peruka-fit.exe $<TARGET_FILE:peruka-fit>
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_BINARY_DIR}/data/peruka.ico ${stage}/peruka.ico
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/README.md ${stage}/doc/README.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${stage}/doc/LICENSE.txt
  # wixl takes the tables' texts in the code page of WINDOWS_LANGUAGE.
  COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja ${PERUKA_WIXL} -a x64 -D Version=${PROJECT_VERSION}
          -o ${PERUKA_MSI} ${PROJECT_SOURCE_DIR}/packaging/windows/peruka.wxs
  COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja ${PERUKA_MSIBUILD} ${PERUKA_MSI} -i _ForceCodepage.idt
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}/zip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/zip/peruka-${PROJECT_VERSION}
  COMMAND ${CMAKE_COMMAND} -E copy ${stage}/peruka.exe ${stage}/peruka-fit.exe ${stage}/doc/README.txt
          ${stage}/doc/LICENSE.txt ${stage}/doc/peruka.html ${stage}/doc/peruka-fit.html
          ${stage}/doc/how-to-run.txt ${stage}/zip/peruka-${PROJECT_VERSION}
  COMMAND ${CMAKE_COMMAND} -E chdir ${stage}/zip ${CMAKE_COMMAND} -E tar cf ${PERUKA_ZIP} --format=zip
          peruka-${PROJECT_VERSION}
  DEPENDS peruka peruka-fit peruka_icons ${manuals} ${PROJECT_SOURCE_DIR}/packaging/windows/peruka.wxs
          ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE ${stage}/doc/how-to-run.txt
  WORKING_DIRECTORY ${stage}
  COMMENT "Building peruka-${PROJECT_VERSION}.msi and the portable zip"
  VERBATIM)
add_custom_target(windows_package ALL DEPENDS ${PERUKA_MSI} ${PERUKA_ZIP})
