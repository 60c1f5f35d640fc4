# cmake -D SOURCE_DIR=... -D INPUT=changelog.in -D OUTPUT=changelog -D PROJECT_VERSION=...
#       -D QUINTOR_MAINTAINER=... -P MakeChangelog.cmake
# Run at every build, so the changelog follows the commit without a new configure; the
# file is only written when its text changes.
include(${CMAKE_CURRENT_LIST_DIR}/SourceDate.cmake)
quintor_source_date("${SOURCE_DIR}" epoch commit)
set(ENV{SOURCE_DATE_EPOCH} ${epoch}) # what string(TIMESTAMP) reads instead of the clock
string(TIMESTAMP QUINTOR_RELEASE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
if(commit STREQUAL "")
  set(QUINTOR_SOURCE "a source tree without its history")
else()
  set(QUINTOR_SOURCE "commit ${commit}")
endif()
configure_file("${INPUT}" "${OUTPUT}" @ONLY)
