# When the sources were last changed, never when they were built, so that two builds of
# one commit give the same package: SOURCE_DATE_EPOCH when the builder sets it, else the
# date of the commit the tree is built from, else the time stamp of the top CMakeLists.txt
# (a tree without its history). Out gets seconds since 1970; Commit the short commit id,
# or nothing.
function(quintor_source_date SourceDir Out Commit)
  execute_process(COMMAND git -C "${SourceDir}" log -1 --format=%ct%n%h
                  OUTPUT_VARIABLE found RESULT_VARIABLE failed
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  set(date "")
  set(id "")
  if(NOT failed AND found MATCHES "^([0-9]+)\n([0-9a-f]+)$")
    set(date ${CMAKE_MATCH_1})
    set(id ${CMAKE_MATCH_2})
  endif()
  if("$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    set(date $ENV{SOURCE_DATE_EPOCH})
  elseif(date STREQUAL "")
    file(TIMESTAMP "${SourceDir}/CMakeLists.txt" date "%s" UTC)
  endif()
  set(${Out} ${date} PARENT_SCOPE)
  set(${Commit} ${id} PARENT_SCOPE)
endfunction()
