# The grower's guide: the README's part for growers as HTML, with its pictures, where the
# program looks for it in the build (share/doc/hortelia beside the programs) and once installed.
# Every build of the windows makes it, as their Ayuda menu shows it; paquete/ installs it.
add_executable(hortelia-guia ${PROJECT_SOURCE_DIR}/paquete/guia_html.cpp)
target_compile_options(hortelia-guia PRIVATE -fno-sanitize=all)
target_link_options(hortelia-guia PRIVATE -fno-sanitize=all)
set(HORTELIA_DOC ${PROJECT_BINARY_DIR}/share/doc/hortelia)
file(GLOB capturas_guia CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/capturas/*.png)
add_custom_command(OUTPUT ${HORTELIA_DOC}/guia.html
  COMMAND ${CMAKE_COMMAND} -E make_directory ${HORTELIA_DOC}
  COMMAND hortelia-guia ${PROJECT_SOURCE_DIR}/README.md ${HORTELIA_DOC}/guia.html
  DEPENDS hortelia-guia ${PROJECT_SOURCE_DIR}/README.md ${capturas_guia}
  COMMENT "Guía del productor"
  VERBATIM)
add_custom_target(guia ALL DEPENDS ${HORTELIA_DOC}/guia.html)
add_dependencies(hortelia guia)

