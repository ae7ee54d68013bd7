# The PDF writer's font tables, generated at build time (tools/pdf_font_data.cpp)
# from the AFM files of fonts-urw-base35 and the CMaps of poppler-data.
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
set(PDF_AFM_FOLDER /usr/share/fonts/type1/urw-base35)
set(PDF_CMAP_90MS /usr/share/poppler/cMap/Adobe-Japan1/90ms-RKSJ-H)
foreach(required ${PDF_AFM_FOLDER}/NimbusSans-Regular.afm ${PDF_CMAP_90MS})
  if(NOT EXISTS ${required})
    message(FATAL_ERROR "${required} is missing: install fonts-urw-base35 and poppler-data")
  endif()
endforeach()

function(esc_pdf_font_data target)
  add_executable(pdf_font_data ${CMAKE_SOURCE_DIR}/tools/pdf_font_data.cpp)
  target_link_libraries(pdf_font_data PRIVATE PkgConfig::FREETYPE)
  set(out ${CMAKE_BINARY_DIR}/generated/pdf_font_data.cpp)
  file(GLOB afms ${PDF_AFM_FOLDER}/Nimbus*.afm)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
    COMMAND pdf_font_data ${out} ${PDF_AFM_FOLDER} ${PDF_CMAP_90MS}
    DEPENDS pdf_font_data ${afms} ${PDF_CMAP_90MS}
    COMMENT "PDF font tables from the URW AFM files and the Japanese CMap"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
