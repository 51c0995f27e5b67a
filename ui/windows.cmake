# The program for Windows: one exe without a console, its icon inside, and
# Qt's German texts embedded, since Windows has no system copy of them.
set_target_properties(tamvoril PROPERTIES OUTPUT_NAME Tamvoril WIN32_EXECUTABLE ON)
# Stripped when linked, without a time stamp: the installer and the ZIP carry
# byte for byte the exe that the tests ran (a later strip stamps each copy).
target_link_options(tamvoril PRIVATE -s -Wl,--no-insert-timestamp)
target_sources(tamvoril PRIVATE tamvoril.rc)

# A Qt kit for Windows has the texts in its own translations folder; a Qt
# cross-built without them takes the build machine's copy, which is the same
# platform-independent file.
find_file(TAMVORIL_QTBASE_DE qtbase_de.qm
  PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}
        ${QT_HOST_PATH}/${QT6_HOST_INFO_TRANSLATIONSDIR}
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
get_filename_component(uebersetzungsordner ${TAMVORIL_QTBASE_DE} DIRECTORY)
qt_add_resources(ui uebersetzungen PREFIX /uebersetzungen BASE ${uebersetzungsordner}
  FILES ${TAMVORIL_QTBASE_DE})

install(TARGETS tamvoril RUNTIME DESTINATION .)
