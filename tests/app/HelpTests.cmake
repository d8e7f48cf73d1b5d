# Tests of the help browser, the help pages and the about box.
venkar_add_widget_test_program(venkar_help_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AboutBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpBrowserTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpPagesTest.cpp
  LIBRARIES venkar_help)
target_compile_definitions(venkar_help_tests PRIVATE
  VENKAR_HELP_DIR="${PROJECT_SOURCE_DIR}/docs/help")
