# Every test program runs through Wine with a private prefix inside the build folder.
set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_SOURCE_DIR}/tools/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
file(WRITE ${CMAKE_BINARY_DIR}/x-resources "! X resources of the programs run under Wine: none\n")
# Windowed test entries run through wine-windowed: a virtual display and a prefix of their own.
configure_file(${CMAKE_SOURCE_DIR}/tools/wine-windowed.in ${CMAKE_BINARY_DIR}/wine-windowed @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
