target_sources(vistrel_framework PRIVATE ${CMAKE_CURRENT_LIST_DIR}/file_io.cpp)
