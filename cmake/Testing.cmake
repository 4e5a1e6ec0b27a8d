# GoogleTest from Debian's sources, built with the cross compiler.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# orvelle_add_test(<name> SOURCES ... [LIBS ...] [WINDOWED])
# One test program is one ctest entry (each Wine start costs seconds).
function(orvelle_add_test name)
  cmake_parse_arguments(T "WINDOWED" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  target_link_options(${name} PRIVATE -mconsole)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600
    ENVIRONMENT "ORVELLE_SOURCE_DIR=${CMAKE_SOURCE_DIR};ORVELLE_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
  if(T_WINDOWED)
    # Programs that open windows share one virtual display: run them one at a time.
    set_tests_properties(${name} PROPERTIES LABELS windowed RUN_SERIAL TRUE)
  endif()
endfunction()
