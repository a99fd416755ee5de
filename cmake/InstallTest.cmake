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
                      share/icons/hicolor/scalable/apps/moidview.svg)
  if(NOT EXISTS "${prefix}/${file}")
    message(SEND_ERROR "not installed: ${file}")
  endif()
endforeach()

file(STRINGS "${prefix}/share/applications/moidview.desktop" lines)
set(expected "Exec=env \"KORIX12DIR=${prefix}/share/moidview\" \"${prefix}/bin/moidview\"")
list(FIND lines "${expected}" at)
if(at EQUAL -1)
  message(SEND_ERROR "desktop entry lacks [${expected}]:\n${lines}")
endif()
list(FIND lines "Icon=moidview" at)
if(at EQUAL -1)
  message(SEND_ERROR "desktop entry lacks Icon=moidview")
endif()
file(REMOVE_RECURSE "${WORK}")
