# Installs the build tree afresh into STAGE: cmake -DBUILD_DIR=... -DSTAGE=... -P stage_install.cmake
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${STAGE} failed: ${result}")
endif()
