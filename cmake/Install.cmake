# Installation and the Debian package.
#   cmake --install BUILD [--prefix DIR]   moidview and moidtool in bin/, the bundled
#                                          catalogue in share/moidview/, a desktop entry and
#                                          an icon where desktops look for them, manual
#                                          pages, bash completion for moidtool, the
#                                          copyright and changelog in share/doc/moidview/
#   cpack -G DEB (in BUILD)                moidview_<version>_<arch>.deb, installing to /usr
include(GNUInstallDirs)

set(MOID_DATA_SUBDIR "${CMAKE_INSTALL_DATADIR}/moidview")

foreach(program IN ITEMS moidview moidtool)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/share/ELEMENTS.DAT DESTINATION ${MOID_DATA_SUBDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/moidview.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/moidtool.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME moidtool)

# Manual pages and the changelog are installed compressed, as Debian wants them: gzip -9n
# (no name or time stamp inside, so the same sources give the same bytes).
find_program(GZIP_PROGRAM gzip REQUIRED)
function(moid_gzip_at_build source output)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${GZIP_PROGRAM} -9nc ${source} > ${output}
                     DEPENDS ${source} VERBATIM)
endfunction()
set(_gz ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${_gz})
moid_gzip_at_build(${CMAKE_SOURCE_DIR}/man/moidview.1 ${_gz}/moidview.1.gz)
moid_gzip_at_build(${CMAKE_SOURCE_DIR}/man/moidtool.1 ${_gz}/moidtool.1.gz)
moid_gzip_at_build(${CMAKE_SOURCE_DIR}/packaging/changelog ${_gz}/changelog.gz)
add_custom_target(compressed_docs ALL
                  DEPENDS ${_gz}/moidview.1.gz ${_gz}/moidtool.1.gz ${_gz}/changelog.gz)
install(FILES ${_gz}/moidview.1.gz ${_gz}/moidtool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_gz}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(TARGET moidview)
  install(CODE "
    include(\"${CMAKE_CURRENT_LIST_DIR}/DesktopEntry.cmake\")
    moid_install_desktop_entry(\"${CMAKE_SOURCE_DIR}/packaging\"
      \"${CMAKE_INSTALL_BINDIR}\" \"${CMAKE_INSTALL_LIBEXECDIR}\" \"${CMAKE_INSTALL_DATADIR}\"
      \"${CMAKE_BINARY_DIR}/packaging\")
  ")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME moidview)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "moidview maintainers <moidview@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "asteroid orbits beside the Earth's, with their minimum distance (MOID)")
# The summary above is the first line of the package's description; this is the rest. dpkg
# puts a blank in front of each line, and lines must fit 80 columns: keep them to 72.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "moidview reads a catalogue of Keplerian orbital elements, lets the user
choose one asteroid and shows its orbit beside the Earth's in a
perspective view that turns, zooms and animates day by day, with the
minimum orbit intersection distance (MOID) and a colour map of the
distance between every pair of points of the two orbits. A catalogue of
asteroids is included.
.
moidtool, the command-line companion, prints catalogues, MOIDs and
positions, makes catalogues from the Minor Planet Center's and JPL's
orbit files and renders both pictures without a window.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Library packages come from dpkg-shlibdeps; the fonts the pictures are drawn in do not show
# up there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)

# Checks of the rules above, run with the other tests.
add_test(NAME install.desktop_entry_exec
         COMMAND ${CMAKE_COMMAND} -P ${CMAKE_CURRENT_LIST_DIR}/DesktopEntryTest.cmake)
if(TARGET moidtool)
  set(_viewer "")
  if(TARGET moidview)
    set(_viewer $<TARGET_FILE:moidview>)
  endif()
  add_test(NAME install.moidtool_completion_and_manual
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/packaging/moidtool_docs.sh
                   $<TARGET_FILE:moidtool> ${CMAKE_SOURCE_DIR} ${_viewer})
endif()
if(TARGET moidview AND TARGET moidtool)
  add_test(NAME install.into_prefix
           COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR}
                   -DWORK=${CMAKE_BINARY_DIR}/install-test -P ${CMAKE_CURRENT_LIST_DIR}/InstallTest.cmake)
endif()
