# `make package`: a Debian package of the installed tree, made by CPack.
# The install step itself builds nothing (the Makefile builds the `programs` target
# first), so that packaging never waits for the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

configure_file(${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake.in ${CMAKE_BINARY_DIR}/uninstall.cmake @ONLY)
add_custom_target(uninstall COMMAND ${CMAKE_COMMAND} -P ${CMAKE_BINARY_DIR}/uninstall.cmake VERBATIM)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintor)
set(CPACK_PACKAGE_VENDOR "The Quintor developers")
set(CPACK_PACKAGE_CONTACT "${QUINTOR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "launcher page editor and runner")
set(CPACK_PACKAGE_DESCRIPTION "Quintor Editor (qtedit2) keeps a list of programs, documents, folders and web
links, grouped in sections, and builds it into a clickable HTML launcher page.
Quintor (quintor2) shows such a page in a small window of its own and starts
an item with one click.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link (Qt, yaml-cpp for the launcher file's text form) come
# into Depends from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The editor's own toolbar drawings are SVG, read by Qt's icon plugin, which no program links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# Desktop tools behind default applications and trusted desktop launchers; the browser
# engine's helper process comes with the engine's own dependencies.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, libglib2.0-bin, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The package's files and archives carry the date of the sources, not of the packaging
# (CPack reads SOURCE_DATE_EPOCH), so two packages of one commit are the same bytes.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackSourceDate.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE}
  "include(\"${CMAKE_CURRENT_LIST_DIR}/SourceDate.cmake\")\n"
  "quintor_source_date(\"${PROJECT_SOURCE_DIR}\" epoch commit)\n"
  "set(ENV{SOURCE_DATE_EPOCH} \${epoch})\n")
# The menu, file type and icon caches are refreshed by the triggers that the packages
# owning those caches hold on their folders, so the package ships no scripts of its own.
include(CPack)
