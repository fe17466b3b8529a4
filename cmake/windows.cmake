# The Windows part of the build: the setup programs and their Wine tests.

# Nothing but the system's DLLs: the C and C++ runtimes are linked in.
add_link_options(-static -static-libgcc -static-libstdc++)

# The product targets Windows 95 and NT 4: an API younger than that does not
# compile.
set(QV_PRODUCT_DEFINITIONS WINVER=0x0400 _WIN32_WINNT=0x0400 WIN32_LEAN_AND_MEAN NOMINMAX)
set(QV_PRODUCT_OPTIONS -Wall -Wextra -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
                       -fno-threadsafe-statics -ffunction-sections -fdata-sections)
target_compile_definitions(qvcore PRIVATE ${QV_PRODUCT_DEFINITIONS})
target_compile_options(qvcore PRIVATE ${QV_PRODUCT_OPTIONS})

# The Win32 shell, compiled once for all twelve setup programs.
add_library(qvshell STATIC
  driver/file_probe.cpp
  driver/own_program.cpp
  driver/run_setup.cpp
  driver/setup_state.cpp
  driver/show_message.cpp
  environment/discovery.cpp
  environment/settings.cpp
  install/extract.cpp
  install/replace_file.cpp
  install/resource_file.cpp
  install/siblings.cpp
  ui/dialog_font.cpp
  ui/main_dialog.cpp
  ui/progress_dialog.cpp
  ui/report_dialog.cpp
  ui/row_status.cpp
  ui/win_text.cpp
)
target_link_libraries(qvshell PUBLIC qvcore)
target_compile_definitions(qvshell PUBLIC ${QV_PRODUCT_DEFINITIONS})
target_compile_options(qvshell PRIVATE ${QV_PRODUCT_OPTIONS})

# Dialogs and icons, shared by every setup program.
add_library(qvresources OBJECT resources/setup.rc)
target_include_directories(qvresources PRIVATE ${CMAKE_SOURCE_DIR})
set_source_files_properties(resources/setup.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/resources/icons/book.ico;${CMAKE_SOURCE_DIR}/resources/icons/removal.ico;${CMAKE_SOURCE_DIR}/resources/icons/computer.ico")

# The package stub, the PIF and the twelve dictionary packages.
add_subdirectory(tools)
include(cmake/packages.cmake)
set(QV_PACKAGE_DIR ${CMAKE_BINARY_DIR}/packages)
qv_add_dictionary_packages(${QV_PACKAGE_DIR})

# One setup program per pair: the same objects, another carried name and package.
set(QV_PAIR_CODES EU ER UE UR RE RU GU GR UG RG EG GE)
set(QV_SETUP_DIR ${CMAKE_BINARY_DIR}/setup)

# The entry point (without the C runtime's start-up; i686 symbols carry a
# leading underscore) and the runtime's failure paths, compiled once.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(QV_ENTRY _SetupEntry)
else()
  set(QV_ENTRY SetupEntry)
endif()
add_library(qvmain OBJECT driver/main.cpp driver/runtime.cpp)
target_include_directories(qvmain PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(qvmain PRIVATE ${QV_PRODUCT_DEFINITIONS})
target_compile_options(qvmain PRIVATE ${QV_PRODUCT_OPTIONS})

# qv_add_setup_program(TARGET CODE PACKAGE OUTPUT_DIR [WITHOUT_DIALOGS])
# Only the carried name and the package differ between setup programs.
# WITHOUT_DIALOGS leaves the dialog templates and icons out (for tests).
function(qv_add_setup_program target code package output_dir)
  cmake_parse_arguments(P "WITHOUT_DIALOGS" "" "" ${ARGN})
  set(rc ${CMAKE_BINARY_DIR}/pair_rc/${target}.rc)
  file(CONFIGURE OUTPUT ${rc} CONTENT [[
#include "resources/resource_ids.h"
STRINGTABLE
BEGIN
  IDS_CARRIED_NAME "qv@code@.vt"
END
IDR_PACKAGE BINARY "@package@"
IDR_PACKAGE_PIF BINARY "@QV_PACKAGE_DIR@/qv_temp.pif"
]] @ONLY)
  set(objects $<TARGET_OBJECTS:qvmain>)
  if(NOT P_WITHOUT_DIALOGS)
    list(APPEND objects $<TARGET_OBJECTS:qvresources>)
  endif()
  add_executable(${target} WIN32 ${rc} ${objects})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE qvshell)
  target_link_options(${target} PRIVATE -nostartfiles -Wl,-e,${QV_ENTRY} -Wl,--gc-sections -s)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME Setup${code}
                        RUNTIME_OUTPUT_DIRECTORY ${output_dir})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${package};${QV_PACKAGE_DIR}/qv_temp.pif")
  add_dependencies(${target} qv_packages)
endfunction()

foreach(code IN LISTS QV_PAIR_CODES)
  qv_add_setup_program(Setup${code} ${code} ${QV_PACKAGE_DIR}/package_${code}.bin ${QV_SETUP_DIR})
endforeach()
list(TRANSFORM QV_PAIR_CODES PREPEND Setup OUTPUT_VARIABLE QV_SETUP_TARGETS)
add_custom_target(setup_programs ALL DEPENDS ${QV_SETUP_TARGETS})

# The shipped build's imports: the system's DLLs and the C runtime only.
add_test(NAME import_table_${CMAKE_SYSTEM_PROCESSOR}
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DDIR=${QV_SETUP_DIR}
                 -P ${CMAKE_SOURCE_DIR}/cmake/check_imports.cmake)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  add_subdirectory(tests/wine)
  add_subdirectory(tools/demo)
endif()
