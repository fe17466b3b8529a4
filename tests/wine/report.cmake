# Wine tests: the final report and the sibling chaining.

# A stand-in sibling setup program: logs how it was started and writes the
# [Report] value it is told to.
add_executable(sibling_recorder WIN32 sibling_recorder.cpp)
target_compile_definitions(sibling_recorder PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
qv_windows_path(RECORDER $<TARGET_FILE:sibling_recorder>)

foreach(test report_test siblings_test)
  qv_wine_test(${test} SOURCES ${test}.cpp chain_folder.cpp world.cpp test_support.cpp
               ARGS ${SETUP_DIR} ${RECORDER})
  add_dependencies(${test} sibling_recorder setup_programs)
endforeach()
