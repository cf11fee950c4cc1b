# libjpeg-turbo for i686 Windows as a static library, built once from Debian's source
# package into the build tree, and offered as the target JPEG::JPEG.
set(VISTREL_LIBJPEG_DIR ${CMAKE_BINARY_DIR}/_deps/libjpeg-turbo)
if(NOT EXISTS ${VISTREL_LIBJPEG_DIR}/install/lib/libjpeg.a)
  message(STATUS "Building libjpeg-turbo for i686 Windows")
  execute_process(
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-libjpeg-mingw
            ${VISTREL_LIBJPEG_DIR} ${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
    RESULT_VARIABLE libjpeg_result)
  if(NOT libjpeg_result EQUAL 0)
    message(FATAL_ERROR "libjpeg-turbo for Windows could not be built")
  endif()
endif()
add_library(JPEG::JPEG STATIC IMPORTED)
set_target_properties(JPEG::JPEG PROPERTIES
  IMPORTED_LOCATION ${VISTREL_LIBJPEG_DIR}/install/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${VISTREL_LIBJPEG_DIR}/install/include)
