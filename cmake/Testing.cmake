# GoogleTest from Debian's sources, built with the cross compiler.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# orvelle_add_test(<name> SOURCES ... [LIBS ...] [WINDOWED [GROUPS <group> <gtest filter> ...]
#                  [SHARED <group> ...]])
# A test program is one ctest entry (each Wine start costs seconds). A windowed program runs
# through wine-windowed, with a virtual display and a Wine prefix of its own, so that windowed
# entries run side by side; its GROUPS split it into entries <name>.<group> by gtest filter, and
# the entry <name>.others runs every test that no group names. The other programs, and the groups
# named SHARED (whose windows neither take the focus nor are read from the screen, and which leave
# the registry alone), share one Wine session and display, whose desktop tools/test.sh starts.
function(orvelle_add_test name)
  cmake_parse_arguments(T "WINDOWED" "" "SOURCES;LIBS;GROUPS;SHARED" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  target_link_options(${name} PRIVATE -mconsole)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(NOT T_WINDOWED)
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    orvelle_test_properties(${name})
    return()
  endif()
  set(entries)
  set(filters)
  while(T_GROUPS)
    list(POP_FRONT T_GROUPS group filter)
    list(APPEND entries ${name}.${group})
    list(APPEND filters ${filter})
  endwhile()
  if(entries)
    list(JOIN filters ":" grouped)
    list(APPEND entries ${name}.others)
    list(APPEND filters "-${grouped}")
  else()
    set(entries ${name})
    set(filters "*")
  endif()
  foreach(entry filter IN ZIP_LISTS entries filters)
    # Each entry works in a folder of its own: entries of one program may use the same file names.
    set(folder ${CMAKE_BINARY_DIR}/tests/${entry})
    file(MAKE_DIRECTORY ${folder})
    string(REGEX REPLACE "^${name}[.]" "" group ${entry})
    if(group IN_LIST T_SHARED)
      add_test(NAME ${entry} COMMAND ${name} --gtest_filter=${filter} WORKING_DIRECTORY ${folder})
    else()
      add_test(NAME ${entry}
               COMMAND ${CMAKE_BINARY_DIR}/wine-windowed ${entry} $<TARGET_FILE:${name}> --gtest_filter=${filter}
               WORKING_DIRECTORY ${folder})
      set_tests_properties(${entry} PROPERTIES LABELS windowed)
    endif()
    orvelle_test_properties(${entry})
  endforeach()
endfunction()

# The environment and time limit of a test entry, its share of the processors from
# ORVELLE_BUSY_TESTS and its cost from ORVELLE_TEST_COSTS (<entry>:<seconds>): the seconds times the
# places it takes, so that the entries that compute start before those that mostly wait and none of
# them is left to run alone at the end.
function(orvelle_test_properties entry)
  set_tests_properties(${entry} PROPERTIES TIMEOUT 600
    ENVIRONMENT "ORVELLE_SOURCE_DIR=${CMAKE_SOURCE_DIR};ORVELLE_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
  set(places 1)
  if(entry IN_LIST ORVELLE_BUSY_TESTS)
    set(places 2)
    set_tests_properties(${entry} PROPERTIES PROCESSORS 2)
    set_property(TEST ${entry} APPEND PROPERTY ENVIRONMENT "ORVELLE_TEST_PROCESSORS=2")
  endif()
  foreach(entry_cost IN LISTS ORVELLE_TEST_COSTS)
    if(entry_cost MATCHES "^${entry}:([0-9]+)$")
      math(EXPR cost "${CMAKE_MATCH_1} * ${places}")
      set_tests_properties(${entry} PROPERTIES COST ${cost})
    endif()
  endforeach()
endfunction()
