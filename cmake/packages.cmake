# The packages that the setup programs carry: for each language pair its
# dictionary packed behind the unpacking stub (target qv_sfx, tools/), and
# the one program information file that goes beside every package.
#
#   qv_add_dictionary_packages(OUT_DIR)
#
# makes, for each pair code XX:
#   OUT_DIR/qvXX.vt         the dictionary: a copy of QV_DICTIONARY_DIR/qvXX.vt
#                           when that file exists, else a synthetic one
#   OUT_DIR/package_XX.bin  the stub followed by a ZIP archive of the
#                           dictionary as member "QVXX.VT", deflated by
#                           QV_PACKAGE_COMPRESSOR (see tools/make_package.py)
# and once OUT_DIR/qv_temp.pif.
#
# The custom target qv_packages builds them all; QV_PACKAGE_OUTPUTS (set in
# the caller's scope) lists the files. Which pairs have a real dictionary is
# decided when CMake runs: configure again after adding one.

set(QV_DICTIONARY_DIR "" CACHE PATH
    "Folder of real dictionaries (qvXX.vt); pairs not found there get synthetic ones. Relative to the source tree.")
# zopfli makes the archives about 2.5 % smaller than zip -9 and costs about a
# second a package; zlib takes a tenth of that and stays within 1 % of zip -9
# on the dictionaries. The archive does not depend on the architecture: the
# cache lets the second preset's build take the first one's.
set(QV_PACKAGE_COMPRESSOR "zopfli" CACHE STRING
    "Deflater for the packages: zopfli (smallest), zlib (fastest) or advzip")
set_property(CACHE QV_PACKAGE_COMPRESSOR PROPERTY STRINGS zopfli zlib advzip)
get_filename_component(_qv_default_package_cache "${CMAKE_BINARY_DIR}/../package-cache" ABSOLUTE)
set(QV_PACKAGE_CACHE "${_qv_default_package_cache}" CACHE PATH
    "Folder keeping the packages' archives between builds and presets (empty: none)")

set(QV_DICTIONARY_PAIRS EU ER UE UR RE RU GU GR UG RG EG GE)

function(qv_add_dictionary_packages out_dir)
  if(TARGET qv_packages)
    message(FATAL_ERROR "qv_add_dictionary_packages: the packages are already defined")
  endif()
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  if(QV_PACKAGE_COMPRESSOR STREQUAL "zopfli")
    find_program(QV_ZOPFLI zopfli REQUIRED)
  elseif(QV_PACKAGE_COMPRESSOR STREQUAL "advzip")
    find_program(QV_ADVZIP advzip REQUIRED)
  elseif(NOT QV_PACKAGE_COMPRESSOR STREQUAL "zlib")
    message(FATAL_ERROR "QV_PACKAGE_COMPRESSOR must be zopfli, zlib or advzip, not ${QV_PACKAGE_COMPRESSOR}")
  endif()
  set(cache_option "")
  if(QV_PACKAGE_CACHE)
    set(cache_option --cache ${QV_PACKAGE_CACHE})
  endif()
  set(tools ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../tools)
  set(real_dir "")
  if(QV_DICTIONARY_DIR)
    get_filename_component(real_dir "${QV_DICTIONARY_DIR}" ABSOLUTE BASE_DIR "${CMAKE_SOURCE_DIR}")
  endif()

  file(MAKE_DIRECTORY ${out_dir})
  set(outputs "")
  set(synthetic "")
  foreach(code IN LISTS QV_DICTIONARY_PAIRS)
    set(dictionary ${out_dir}/qv${code}.vt)
    set(package ${out_dir}/package_${code}.bin)
    set(real ${real_dir}/qv${code}.vt)
    if(real_dir AND EXISTS ${real})
      add_custom_command(OUTPUT ${dictionary}
        COMMAND ${CMAKE_COMMAND} -E copy ${real} ${dictionary}
        DEPENDS ${real}
        COMMENT "Copying dictionary qv${code}.vt")
      # Packed from the original, whose date the member keeps.
      set(source ${real})
      set(date_of ${real})
    else()
      add_custom_command(OUTPUT ${dictionary}
        COMMAND ${Python3_EXECUTABLE} ${tools}/make_dictionary.py ${code} ${dictionary}
        DEPENDS ${tools}/make_dictionary.py
        COMMENT "Generating synthetic dictionary qv${code}.vt")
      set(source ${dictionary})
      # Dated by its generator, not by the build: the same bytes and date in
      # every build tree, so the archive cache serves the other preset too.
      set(date_of ${tools}/make_dictionary.py)
      list(APPEND synthetic ${code})
    endif()
    add_custom_command(OUTPUT ${package}
      COMMAND ${Python3_EXECUTABLE} ${tools}/make_package.py
              --stub $<TARGET_FILE:qv_sfx> --member QV${code}.VT
              --input ${source} --output ${package} --compressor ${QV_PACKAGE_COMPRESSOR}
              --date-of ${date_of} ${cache_option}
      DEPENDS qv_sfx ${source} ${tools}/make_package.py
      COMMENT "Packing qv${code}.vt into package_${code}.bin")
    list(APPEND outputs ${dictionary} ${package})
  endforeach()
  if(synthetic)
    list(JOIN synthetic " " synthetic)
    message(STATUS "Synthetic dictionaries for: ${synthetic}")
  endif()

  set(pif ${out_dir}/qv_temp.pif)
  add_custom_command(OUTPUT ${pif}
    COMMAND ${Python3_EXECUTABLE} ${tools}/make_pif.py ${pif}
    DEPENDS ${tools}/make_pif.py
    COMMENT "Writing qv_temp.pif")
  list(APPEND outputs ${pif})

  add_custom_target(qv_packages DEPENDS ${outputs})
  set(QV_PACKAGE_OUTPUTS ${outputs} PARENT_SCOPE)
endfunction()
