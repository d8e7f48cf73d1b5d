# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPREFIX=... -DWITH_VENKAR=0|1
#       -P CheckInstall.cmake
# Runs "cmake --install" into PREFIX (emptied first) and fails on the first
# file that is missing or wrong.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

function(expect_file path)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endfunction()

function(expect_program name)
  expect_file(bin/${name})
  if(NOT IS_DIRECTORY ${PREFIX}/bin OR NOT EXISTS ${PREFIX}/bin/${name})
    message(FATAL_ERROR "not installed: bin/${name}")
  endif()
  file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${PREFIX}/bin/${name}
       UNRESOLVED_DEPENDENCIES_VAR unresolved)
  if(unresolved)
    message(FATAL_ERROR "bin/${name} needs libraries that are not found: ${unresolved}")
  endif()
endfunction()

# The programs, side by side: venkar starts the viewer from its own folder.
expect_program(venkar-batch)
expect_program(venkar-view)
if(WITH_VENKAR)
  expect_program(venkar)
endif()

# Every help page, where the program looks for it (../share/venkar/help).
file(GLOB pages RELATIVE ${SOURCE_DIR}/docs/help ${SOURCE_DIR}/docs/help/*.md)
list(LENGTH pages page_count)
if(page_count LESS 10)
  message(FATAL_ERROR "only ${page_count} help pages in the source tree")
endif()
foreach(page IN LISTS pages)
  expect_file(share/venkar/help/${page})
endforeach()

file(GLOB examples RELATIVE ${SOURCE_DIR}/examples ${SOURCE_DIR}/examples/*.vsy
     ${SOURCE_DIR}/examples/*.vla)
foreach(example IN LISTS examples)
  expect_file(share/venkar/examples/${example})
endforeach()

# Desktop entry, icon and MIME types belong together: the entry names the
# icon and the two types that the MIME package defines for the extensions.
expect_file(share/applications/venkar.desktop)
expect_file(share/icons/hicolor/scalable/apps/venkar.svg)
expect_file(share/mime/packages/venkar.xml)
file(READ ${PREFIX}/share/applications/venkar.desktop entry)
file(READ ${PREFIX}/share/mime/packages/venkar.xml mime)
foreach(line "Exec=venkar %F" "Icon=venkar"
        "MimeType=application/x-venkar-system;application/x-venkar-load;")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "venkar.desktop lacks \"${line}\"")
  endif()
endforeach()
foreach(type_and_glob "application/x-venkar-system;*.vsy" "application/x-venkar-load;*.vla")
  list(GET type_and_glob 0 type)
  list(GET type_and_glob 1 glob)
  string(REGEX MATCH "<mime-type type=\"${type}\">[^~]*</mime-type>" block "${mime}")
  string(REGEX MATCH "^<mime-type type=\"${type}\">([^<]|<[^/]|</[^m])*<glob pattern=\"\\${glob}\"/>"
         found "${block}")
  if(NOT found)
    message(FATAL_ERROR "venkar.xml does not map ${glob} to ${type}")
  endif()
endforeach()

find_program(XMLLINT xmllint)
if(XMLLINT)
  execute_process(COMMAND ${XMLLINT} --noout ${PREFIX}/share/mime/packages/venkar.xml
                  RESULT_VARIABLE result ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "venkar.xml is not well-formed XML:\n${output}")
  endif()
endif()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/venkar.desktop
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "venkar.desktop is not valid:\n${output}")
  endif()
endif()
# With shared-mime-info present the installation compiled the MIME database
# of the prefix, so that desktops recognise the extensions at once.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  expect_file(share/mime/application/x-venkar-system.xml)
  expect_file(share/mime/application/x-venkar-load.xml)
endif()

message(STATUS "installed and checked in ${PREFIX}")
