# Cross build of the Windows program and its tests (run under Wine).
set(VISTREL_LOADER "" CACHE FILEPATH "Loader program to embed instead of the stand-in")

# Sources are UTF-8. The units that hold texts the user sees store them as code page 936
# bytes: vistrel_texts_in_code_page_936(<source>...).
add_compile_options(-finput-charset=UTF-8 -Wall -Wextra)
function(vistrel_texts_in_code_page_936)
  set_property(SOURCE ${ARGN} DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} APPEND PROPERTY COMPILE_OPTIONS -fexec-charset=GBK)
endfunction()
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
# No symbol tables in the shipped programs: the loader is staged at every capture.
add_link_options($<$<CONFIG:Release>:-s>)

# Every Windows program of the build runs through the Wine runner, in a prefix of its own.
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run ${CMAKE_BINARY_DIR}/wine-run COPYONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

include(${CMAKE_SOURCE_DIR}/cmake/mingw-libraries.cmake)

# GoogleTest from the sources Debian ships.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)
