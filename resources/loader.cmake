# vistrel_add_loader_resource(<target> [FILE <path>])
#
# Embeds a loader tool in <target> as resource "javaload" of type "JavaLoaderEXE", through
# resources/loader.rc. The file is, in this order: FILE when given; the VISTREL_LOADER cache
# variable when set (a site's copy of the handheld maker's own loader); otherwise our
# stand-in, the JavaLoader target. The bytes are copied unchanged, and the resource is
# rebuilt whenever the file changes.
set(VISTREL_LOADER_RC ${CMAKE_CURRENT_LIST_DIR}/loader.rc)

function(vistrel_add_loader_resource target)
  cmake_parse_arguments(L "" "FILE" "" ${ARGN})
  if(L_FILE)
    set(source ${L_FILE})
    set(source_dependency ${L_FILE})
  elseif(VISTREL_LOADER)
    get_filename_component(source ${VISTREL_LOADER} ABSOLUTE BASE_DIR ${CMAKE_BINARY_DIR})
    if(NOT EXISTS ${source})
      message(FATAL_ERROR "VISTREL_LOADER names ${VISTREL_LOADER}, which does not exist")
    endif()
    set(source_dependency ${source})
  else()
    set(source $<TARGET_FILE:JavaLoader>)
    set(source_dependency JavaLoader)
  endif()

  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}.javaload)
  add_custom_command(
    OUTPUT ${dir}/javaload.bin
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${dir}/javaload.bin
    DEPENDS ${source_dependency}
    COMMENT "Loader to embed in ${target}: ${source}"
    VERBATIM)
  target_sources(${target} PRIVATE ${VISTREL_LOADER_RC} ${dir}/javaload.bin)
  # windres looks for the file named in the script along the include path.
  target_include_directories(${target} PRIVATE ${dir})
  set_property(SOURCE ${VISTREL_LOADER_RC} APPEND PROPERTY OBJECT_DEPENDS ${dir}/javaload.bin)
endfunction()
