# The help browser, the about box and the program picture: a library of
# their own that the program venkar links.
find_package(Qt6 REQUIRED COMPONENTS Widgets Svg)
include(GNUInstallDirs)

add_library(venkar_help STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpBrowser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpPages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramPicture.cpp
)
target_include_directories(venkar_help PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(venkar_help PUBLIC venkar_qtcommon Qt6::Widgets Qt6::Svg)
qt_add_resources(venkar_help venkar_pictures
  PREFIX /venkar
  BASE ${CMAKE_CURRENT_LIST_DIR}/resources
  FILES ${CMAKE_CURRENT_LIST_DIR}/resources/venkar.svg)

# Installed, the pages lie in the share folder; the program finds them
# relative to its own folder.
file(RELATIVE_PATH VENKAR_INSTALLED_HELP_FROM_BIN
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/venkar/help)
target_compile_definitions(venkar_help PRIVATE
  VENKAR_INSTALLED_HELP_FROM_BIN="${VENKAR_INSTALLED_HELP_FROM_BIN}")

# In the build tree the pages are copied into "help" next to the program.
file(GLOB VENKAR_HELP_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/help/*.md)
set(VENKAR_BUILD_HELP_DIR ${VENKAR_PROGRAM_DIR}/help)
add_custom_command(
  OUTPUT ${VENKAR_BUILD_HELP_DIR}/.copied
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VENKAR_BUILD_HELP_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VENKAR_HELP_PAGES} ${VENKAR_BUILD_HELP_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${VENKAR_BUILD_HELP_DIR}/.copied
  DEPENDS ${VENKAR_HELP_PAGES}
  COMMENT "Copying the help pages next to the program")
add_custom_target(venkar_help_pages ALL DEPENDS ${VENKAR_BUILD_HELP_DIR}/.copied)
add_dependencies(venkar_help venkar_help_pages)
