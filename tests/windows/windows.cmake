# Under Wine the window tests run on Qt's windows platform, with the fonts
# that the program gets there; without a display Wine draws with its null
# driver. Qt writes to the console only when told.
set_tests_properties(fenstertests PROPERTIES ENVIRONMENT "DISPLAY=;WINEQT_FORCE_STDERR_LOGGING=1")

# The shell tests need the build machine's X display and Wine: the
# end-to-end test drives Tamvoril.exe, and the installer that cpack made is
# installed, started and removed.
if(NOT CMAKE_CROSSCOMPILING)
  set(ohne_shelltests ON)
  return()
endif()
# The end-to-end test starts Tamvoril.exe through this: once a session begun
# without a display (which keeps Wine's null driver) has ended, and with a
# window manager, since xdotool types only into managed Wine windows.
set(programm ${CMAKE_CURRENT_BINARY_DIR}/tamvoril-unter-wine)
set(programmumgebung ORDNER_ALS_WINDOWSPFAD=1)
set(wine ${CMAKE_BINARY_DIR}/wine)
file(GENERATE OUTPUT ${programm} CONTENT "#!/bin/sh
WINEPREFIX=${wine} wineserver -w 2>/dev/null
twm >/dev/null 2>&1 &
exec ${PROJECT_SOURCE_DIR}/cmake/wine.sh ${wine} wine $<TARGET_FILE:tamvoril> \"$@\"
" FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

add_test(NAME installation
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/installation.sh ${CMAKE_BINARY_DIR}
                 ${PROJECT_SOURCE_DIR}/demo ${wine})
set_tests_properties(installation PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
