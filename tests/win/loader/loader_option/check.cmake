# Configures, builds and runs loader_option with -DVISTREL_LOADER set to FILE, in WORK_DIR.
# Arguments: SOURCE_DIR (the repository), WORK_DIR, FILE, TOOLCHAIN, WINE_RUN.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(
  COMMAND ${CMAKE_COMMAND} -G Ninja -S ${SOURCE_DIR}/tests/win/loader/loader_option -B ${WORK_DIR}
          -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DVISTREL_SOURCE_DIR=${SOURCE_DIR} -DVISTREL_LOADER=${FILE}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "configuring with VISTREL_LOADER failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "building with VISTREL_LOADER failed")
endif()
execute_process(COMMAND ${WINE_RUN} ${WORK_DIR}/embedded_loader.exe Z:${FILE} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the embedded loader differs from ${FILE}")
endif()
