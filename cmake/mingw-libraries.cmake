# Libraries for i686 Windows, built once from Debian's source packages into the build tree by
# scripts/build-<name>-mingw, and offered as imported targets.
function(vistrel_mingw_library name target)
  set(dir ${CMAKE_BINARY_DIR}/_deps/${name})
  if(NOT EXISTS ${dir}/install/lib/${name}.a)
    message(STATUS "Building ${name} for i686 Windows")
    execute_process(
      COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-${name}-mingw ${dir} ${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
      RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "${name} for Windows could not be built")
    endif()
  endif()
  add_library(${target} STATIC IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES
    IMPORTED_LOCATION ${dir}/install/lib/${name}.a
    INTERFACE_INCLUDE_DIRECTORIES ${dir}/install/include
    INTERFACE_LINK_LIBRARIES "${ARGN}")
endfunction()

vistrel_mingw_library(libjpeg JPEG::JPEG)
# zlib for mingw-w64 comes from Debian's own package (libz-mingw-w64-dev).
vistrel_mingw_library(libpng PNG::PNG /usr/i686-w64-mingw32/lib/libz.a)
