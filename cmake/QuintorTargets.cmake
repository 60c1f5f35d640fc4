# Shared helpers for the project's targets.

# A static library from every .cpp under the given folders (not recursive).
# New files are picked up at build time, so adding a class never touches a list.
# ROOT is where its users' includes start: they name the folder a header lies in
# ("document/LauncherDocument.h"), so a reader sees the layer an include crosses.
function(quintor_library NAME)
  cmake_parse_arguments(ARG "" "ROOT" "DIRS;LIBS" ${ARGN})
  set(sources)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
    list(APPEND sources ${found})
  endforeach()
  # Headers stay in the list so that moc follows every header, also ones added later.
  set(code ${sources})
  list(FILTER code INCLUDE REGEX "\\.(cpp|qrc)$")
  if(NOT code)
    # A layer whose folders hold no code yet: it still passes on what it links.
    add_library(${NAME} INTERFACE)
    target_include_directories(${NAME} INTERFACE ${ARG_ROOT} ${CMAKE_BINARY_DIR}/generated)
    target_link_libraries(${NAME} INTERFACE ${ARG_LIBS})
    return()
  endif()
  add_library(${NAME} STATIC ${sources})
  set_target_properties(${NAME} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_include_directories(${NAME} PUBLIC ${ARG_ROOT} ${CMAKE_BINARY_DIR}/generated)
  target_link_libraries(${NAME} PUBLIC ${ARG_LIBS})
endfunction()

# Environment every test process gets: the headless engine, no sandbox (CI runs as root).
# Each test program also keeps its editors' recovery copies to itself, away from the
# user's own.
set(QUINTOR_TEST_ENV
  "QT_QPA_PLATFORM=offscreen"
  "QTWEBENGINE_DISABLE_SANDBOX=1"
  "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --no-sandbox"
  "QT_LOGGING_RULES=qt.webenginecontext.debug=false"
  "LC_ALL=C.UTF-8")

# One QtTest executable per test_*.cpp file in the calling folder.
function(quintor_tests)
  cmake_parse_arguments(ARG "" "LABEL" "LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp)
  foreach(file IN LISTS tests)
    get_filename_component(name ${file} NAME_WE)
    set(target ${ARG_LABEL}_${name})
    add_executable(${target} ${file})
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTORCC ON
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} testsupport Qt6::Test)
    add_test(NAME ${ARG_LABEL}.${name} COMMAND ${target})
    set_tests_properties(${ARG_LABEL}.${name} PROPERTIES
      ENVIRONMENT "${QUINTOR_TEST_ENV};XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-state/${target};QUINTOR_BIN_DIR=${CMAKE_BINARY_DIR}/bin;QUINTOR_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
      LABELS ${ARG_LABEL} TIMEOUT 180)
  endforeach()
endfunction()

# One catalogue of translations: translations/<NAME>_<language>.ts, compiled and embedded
# in TARGET under :/i18n, where UiLanguage finds it. `cmake --build build --target
# update_translations` brings every catalogue up to date with the texts in its DIRS.
# The .ts files carry no line numbers, so that moving code does not touch them.
function(quintor_translations NAME)
  cmake_parse_arguments(ARG "" "TARGET" "DIRS" ${ARGN})
  file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/${NAME}_*.ts)
  qt_add_lrelease(${ARG_TARGET} TS_FILES ${ts_files} QM_FILES_OUTPUT_VARIABLE qm_files)
  qt_add_resources(${ARG_TARGET} ${NAME}_translations PREFIX /i18n
    BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
  if(NOT TARGET update_translations)
    add_custom_target(update_translations)
  endif()
  set(new_ts ${PROJECT_SOURCE_DIR}/translations/${NAME}_de.ts
             ${PROJECT_SOURCE_DIR}/translations/${NAME}_fr.ts)
  list(APPEND ts_files ${new_ts})
  list(REMOVE_DUPLICATES ts_files)
  add_custom_target(${NAME}_lupdate
    COMMAND Qt6::lupdate ${QUINTOR_LUPDATE_OPTIONS} ${ARG_DIRS} -ts ${ts_files}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
  add_dependencies(update_translations ${NAME}_lupdate)
  # The translation check of the tests runs the same scan for every catalogue.
  string(REPLACE ";" "," dirs "${ARG_DIRS}")
  set_property(GLOBAL APPEND PROPERTY QUINTOR_CATALOGUES "${NAME}=${dirs}")
endfunction()
# How every catalogue is scanned, by the update and by the check alike.
set(QUINTOR_LUPDATE_OPTIONS -locations none -extensions cpp,h -no-obsolete -silent)
