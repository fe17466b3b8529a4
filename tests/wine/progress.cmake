# Wine tests: the notice before the own pair's installation.
qv_wine_test(progress_test SOURCES progress_test.cpp world.cpp test_support.cpp
             ARGS ${SETUP_DIR})
add_dependencies(progress_test SetupUR)
