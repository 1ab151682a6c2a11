# Runs the icon generator and checks that it makes the committed
# resources/brevon.ico byte for byte, so the committed file is always what
# the artwork's source says.
# cmake -DGENERATOR=<brevon_make_icon> -DCOMMITTED=<brevon.ico> -DWORK_DIR=<dir> -P ...

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND "${GENERATOR}" "${WORK_DIR}/brevon.ico" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the icon generator failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK_DIR}/brevon.ico" "${COMMITTED}"
                RESULT_VARIABLE different)
if(NOT different EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not what the generator makes; rebuild it with "
                      "`cmake --build <build dir> --target brevon_update_icon` and commit it")
endif()
