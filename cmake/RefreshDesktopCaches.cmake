# Tells the desktop about the programs' menu entries, file type and icons after they were
# installed into, or removed from, QUINTOR_DATA_DIR (a "share" folder), so that the menu,
# the file manager and the icons show the change without a new login.
# A staged install (DESTDIR, as when a package is made) is not what the desktop reads:
# there the package manager's triggers refresh the caches when the package is installed.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()

function(quintor_refresh Tool Folder)
  set(folder ${QUINTOR_DATA_DIR}/${Folder})
  if(NOT IS_DIRECTORY ${folder})
    return()
  endif()
  find_program(program ${Tool} NO_CACHE)
  if(NOT program)
    message(STATUS "Not refreshed (no ${Tool}): ${folder}")
    return()
  endif()
  execute_process(COMMAND ${program} ${ARGN} ${folder} RESULT_VARIABLE failed)
  # A stale cache costs the user a new login, not the install.
  if(failed)
    message(WARNING "${Tool} failed on ${folder}")
  else()
    message(STATUS "Refreshed: ${folder}")
  endif()
endfunction()

quintor_refresh(update-mime-database mime)
quintor_refresh(update-desktop-database applications -q)
# A user's own icon folder has no theme index of its own; -t builds the cache anyway.
quintor_refresh(gtk-update-icon-cache icons/hicolor -q -t -f)
