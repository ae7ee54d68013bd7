# Model databases are kept as SQL text under resources/databases/ and built
# here: every <name>.sql there (after schema.sql) becomes
# <name>_settings.db3 beside the program. Software rows whose firmware
# container is null get demo containers from tools/firmware_blobs.
find_program(SQLITE3_PROGRAM sqlite3 REQUIRED)

function(esc_build_databases target)
  set(dir ${CMAKE_SOURCE_DIR}/resources/databases)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.sql)
  list(REMOVE_ITEM sources ${dir}/schema.sql)
  add_executable(firmware_blobs ${CMAKE_SOURCE_DIR}/tools/firmware_blobs.cpp
                 ${CMAKE_SOURCE_DIR}/tests/link/firmware_generator.cpp
                 ${CMAKE_SOURCE_DIR}/link/Pdfutils.cpp)
  target_include_directories(firmware_blobs PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(firmware_blobs PRIVATE platform_rtl PkgConfig::TOMCRYPT SQLite::SQLite3)
  set(outputs)
  foreach(source ${sources})
    get_filename_component(name ${source} NAME_WE)
    set(output ${CMAKE_BINARY_DIR}/${name}_settings.db3)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E rm -f ${output}.tmp
      COMMAND ${SQLITE3_PROGRAM} -bail ${output}.tmp ".read ${dir}/schema.sql" ".read ${source}"
      COMMAND firmware_blobs ${output}.tmp
      COMMAND ${CMAKE_COMMAND} -E rename ${output}.tmp ${output}
      DEPENDS ${dir}/schema.sql ${source} firmware_blobs
      COMMENT "Building model database ${name}_settings.db3"
      VERBATIM)
    list(APPEND outputs ${output})
  endforeach()
  add_custom_target(${target}_databases ALL DEPENDS ${outputs})
  add_dependencies(${target} ${target}_databases)
endfunction()
