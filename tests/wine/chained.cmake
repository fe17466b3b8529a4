# Chained runs of the real setup programs.

# Setup programs carrying test packages instead of a dictionary.
set(TEST_SETUP_DIR ${CMAKE_BINARY_DIR}/test-setup)
foreach(kind slow empty)
  add_executable(${kind}_package packages/${kind}_package.c)
  set_target_properties(${kind}_package PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test-packages)
  qv_add_setup_program(SetupUR_${kind} UR ${CMAKE_BINARY_DIR}/test-packages/${kind}_package.exe
                       ${TEST_SETUP_DIR}/${kind})
  add_dependencies(SetupUR_${kind} ${kind}_package)
endforeach()
# A setup program whose dialogs cannot be created.
qv_add_setup_program(SetupUR_bare UR ${QV_PACKAGE_DIR}/package_UR.bin ${TEST_SETUP_DIR}/bare WITHOUT_DIALOGS)
qv_windows_path(TEST_SETUP_DIR_WIN ${TEST_SETUP_DIR})
qv_windows_path(PACKAGE_DIR_WIN ${QV_PACKAGE_DIR})

qv_wine_test(chained_test SOURCES chained_test.cpp world.cpp test_support.cpp
             ARGS ${SETUP_DIR} ${PACKAGE_DIR_WIN} ${TEST_SETUP_DIR_WIN}
             TIMEOUT 600)
add_dependencies(chained_test setup_programs SetupUR_slow SetupUR_empty SetupUR_bare)
