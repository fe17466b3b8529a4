# Wine tests: the main selection dialog of an interactive run.

# Far east of Greenwich, so that a file time early on the first of a month
# falls in another month in UTC: the releases must come from local time.
qv_wine_test(main_dialog_test SOURCES main_dialog_test.cpp test_support.cpp
             ARGS ${SETUP_DIR})
add_dependencies(main_dialog_test setup_programs)
set_property(TEST main_dialog_test APPEND PROPERTY ENVIRONMENT TZ=Asia/Tokyo)
