# The help file, compiled with chmcmd into <dist>/help/zelmora.chm; the build fails if it does not compile.
set(ZELMORA_HELP_SOURCES buttons.htm colours.htm general.htm keys.htm license.htm limits.htm menus.htm sheet.htm style.css sysreq.htm typing.htm zelmora.hhc zelmora.hhk zelmora.hhp )
list(TRANSFORM ZELMORA_HELP_SOURCES PREPEND "${CMAKE_SOURCE_DIR}/help/")
list(APPEND ZELMORA_HELP_SOURCES "${CMAKE_SOURCE_DIR}/base/context.h")
file(GLOB ZELMORA_HELP_PICTURES CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/help/*.gif")
add_custom_command(
  OUTPUT "${ZELMORA_DIST_DIR}/help/zelmora.chm"
  COMMAND "${CMAKE_SOURCE_DIR}/tools/help/build-help.sh" "${ZELMORA_DIST_DIR}/help"
  DEPENDS ${ZELMORA_HELP_SOURCES} ${ZELMORA_HELP_PICTURES} "${CMAKE_SOURCE_DIR}/tools/help/build-help.sh"
          "${CMAKE_SOURCE_DIR}/tools/help/chmtool.py"
  COMMENT "Compiling the help file"
  VERBATIM)
add_custom_target(help_file ALL DEPENDS "${ZELMORA_DIST_DIR}/help/zelmora.chm")
