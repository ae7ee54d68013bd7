# Model databases are kept as SQL text under resources/databases/ and built
# here: every <name>.sql there (after schema.sql) becomes
# <name>_settings.db3 beside the program.
find_program(SQLITE3_PROGRAM sqlite3 REQUIRED)

function(esc_build_databases target)
  set(dir ${CMAKE_SOURCE_DIR}/resources/databases)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.sql)
  list(REMOVE_ITEM sources ${dir}/schema.sql)
  set(outputs)
  foreach(source ${sources})
    get_filename_component(name ${source} NAME_WE)
    set(output ${CMAKE_BINARY_DIR}/${name}_settings.db3)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E rm -f ${output}.tmp
      COMMAND ${SQLITE3_PROGRAM} -bail ${output}.tmp ".read ${dir}/schema.sql" ".read ${source}"
      COMMAND ${CMAKE_COMMAND} -E rename ${output}.tmp ${output}
      DEPENDS ${dir}/schema.sql ${source}
      COMMENT "Building model database ${name}_settings.db3"
      VERBATIM)
    list(APPEND outputs ${output})
  endforeach()
  add_custom_target(${target}_databases ALL DEPENDS ${outputs})
  add_dependencies(${target} ${target}_databases)
endfunction()
