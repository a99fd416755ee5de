# cmake -DBUILD=<build dir> -DWORK=<scratch dir> -P: installs the build under a prefix that
# holds a blank and checks where everything went and what the desktop entry starts.
file(REMOVE_RECURSE "${WORK}")
set(prefix "${WORK}/my prefix")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(file IN ITEMS bin/moidview bin/moidtool share/moidview/ELEMENTS.DAT
                      share/applications/moidview.desktop
                      share/icons/hicolor/scalable/apps/moidview.svg
                      libexec/moidview/moidview-desktop
                      share/man/man1/moidview.1.gz share/man/man1/moidtool.1.gz
                      share/bash-completion/completions/moidtool
                      share/doc/moidview/copyright share/doc/moidview/changelog.gz)
  if(NOT EXISTS "${prefix}/${file}")
    message(SEND_ERROR "not installed: ${file}")
  endif()
endforeach()

file(STRINGS "${prefix}/share/applications/moidview.desktop" lines)
set(expected "Exec=\"${prefix}/libexec/moidview/moidview-desktop\"")
list(FIND lines "${expected}" at)
if(at EQUAL -1)
  message(SEND_ERROR "desktop entry lacks [${expected}]:\n${lines}")
endif()
list(FIND lines "Icon=moidview" at)
if(at EQUAL -1)
  message(SEND_ERROR "desktop entry lacks Icon=moidview")
endif()

# The wrapper starts the installed moidview in ~/Pictures, or at home when there is none.
# A stand-in for moidview notes the directory it was started in and its arguments.
file(WRITE "${prefix}/bin/moidview" "#!/bin/sh\npwd > \"$HOME/started-in\"\necho \"$@\" >> \"$HOME/started-in\"\n")
file(CHMOD "${prefix}/bin/moidview" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
function(expect_start_directory home expected)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env "HOME=${home}"
                          "${prefix}/libexec/moidview/moidview-desktop" --an-argument
                  WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE result)
  file(STRINGS "${home}/started-in" started)
  if(NOT result EQUAL 0 OR NOT started STREQUAL "${expected};--an-argument")
    message(SEND_ERROR "wrapper with HOME=${home}: code ${result}, started [${started}], "
                       "expected [${expected};--an-argument]")
  endif()
endfunction()
file(MAKE_DIRECTORY "${WORK}/with pictures/Pictures" "${WORK}/without")
expect_start_directory("${WORK}/with pictures" "${WORK}/with pictures/Pictures")
expect_start_directory("${WORK}/without" "${WORK}/without")
file(REMOVE_RECURSE "${WORK}")
