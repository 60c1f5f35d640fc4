# Installs a menu entry from its template (QUINTOR_ENTRY_TEMPLATE) as QUINTOR_ENTRY (below
# the prefix), naming its program by the installed path (QUINTOR_BINDIR below the
# prefix): a folder of the user's own, such as ~/.local/bin, is often not on the PATH the
# desktop session started with, and the desktop hides an entry whose program it cannot find.
set(folder "${CMAKE_INSTALL_PREFIX}/${QUINTOR_BINDIR}")
# The program's path stands in double quotes, where ", `, $ and \ take a backslash; as in
# every value, each backslash is then doubled once more; "%" is doubled for field codes.
string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" BINDIR "${folder}")
string(REPLACE "\\" "\\\\" BINDIR "${BINDIR}")
string(REPLACE "%" "%%" BINDIR "${BINDIR}")
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${QUINTOR_ENTRY}")
message(STATUS "Installing: ${entry}")
configure_file("${QUINTOR_ENTRY_TEMPLATE}" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
