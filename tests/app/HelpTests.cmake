# Tests of the help browser, the help pages, the about box and what the two
# window programs share (Qt's German texts, placing windows on a screen).
venkar_add_widget_test_program(venkar_help_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AboutBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpBrowserTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpPagesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtGermanTextsTest.cpp
  LIBRARIES venkar_help)
target_compile_definitions(venkar_help_tests PRIVATE
  VENKAR_HELP_DIR="${PROJECT_SOURCE_DIR}/docs/help")

# Windows placed on one of two screens: an offscreen platform with a screen
# of 1280 x 800 and one of 800 x 600 to its right (its own main sets it up).
add_executable(venkar_screen_tests ${CMAKE_CURRENT_LIST_DIR}/TwoScreensTest.cpp)
target_include_directories(venkar_screen_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(venkar_screen_tests PRIVATE venkar_help venkar_viewer_lib Qt6::Test
                                                  GTest::gtest)
target_compile_definitions(venkar_screen_tests PRIVATE
  VENKAR_HELP_DIR="${PROJECT_SOURCE_DIR}/docs/help")
gtest_discover_tests(venkar_screen_tests DISCOVERY_MODE PRE_TEST)
