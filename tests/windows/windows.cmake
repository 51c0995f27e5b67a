# The Windows window tests: the static Qt links only the windows platform
# plugin, so the offscreen one is linked in, and Wine passes Qt's variables
# on only with a WINE prefix.
qt_import_plugins(fenstertests INCLUDE Qt6::QOffscreenIntegrationPlugin)
set_tests_properties(fenstertests PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;WINEQT_QPA_PLATFORM=offscreen")

# The shell tests need the build machine's X display and Wine: the
# end-to-end test drives Tamvoril.exe, and the installer that cpack made is
# installed, started and removed.
if(NOT CMAKE_CROSSCOMPILING)
  set(programm "")
  return()
endif()
set(programm ${CMAKE_CURRENT_BINARY_DIR}/tamvoril-unter-wine)
file(GENERATE OUTPUT ${programm}
  CONTENT "#!/bin/sh\nexec ${CMAKE_CURRENT_SOURCE_DIR}/windows/programm.sh ${CMAKE_BINARY_DIR}/wine $<TARGET_FILE:tamvoril> \"$@\"\n"
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

add_test(NAME installation
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/installation.sh ${CMAKE_BINARY_DIR}
                 ${PROJECT_SOURCE_DIR}/demo ${CMAKE_BINARY_DIR}/wine)
set_tests_properties(installation PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
