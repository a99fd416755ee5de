# Writes the desktop entry at install time, when the prefix is final (cmake --install
# --prefix, or /usr inside the Debian package). The entry starts moidview on the bundled
# catalogue: it names the catalogue's directory in KORIX12DIR, where moidview looks when the
# directory it starts in is no data directory. Pictures then go to the directory the desktop
# starts programs in, normally the home directory.

# One Exec argument, quoted when it holds a character the desktop entry format reserves,
# then escaped as a string value (backslashes doubled, "%" doubled).
function(moid_desktop_exec_argument out value)
  set(arg "${value}")
  if(arg MATCHES "[] \t\n\"'\\\\<>~|&;$*?#()`[]")
    string(REPLACE "\\" "\\\\" arg "${arg}")
    string(REPLACE "\"" "\\\"" arg "${arg}")
    string(REPLACE "`" "\\`" arg "${arg}")
    string(REPLACE "$" "\\$" arg "${arg}")
    set(arg "\"${arg}\"")
  endif()
  string(REPLACE "\\" "\\\\" arg "${arg}")
  string(REPLACE "%" "%%" arg "${arg}")
  set(${out} "${arg}" PARENT_SCOPE)
endfunction()

# An install directory as an absolute path under the prefix in force.
function(moid_install_path out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# template: the .desktop.in file; bindir, datadir: the install directories (relative to the
# prefix or absolute); work: a scratch directory for the finished entry.
function(moid_install_desktop_entry template bindir datadir work)
  moid_install_path(bin "${bindir}")
  moid_install_path(data "${datadir}")
  moid_desktop_exec_argument(var "KORIX12DIR=${data}/moidview")
  moid_desktop_exec_argument(program "${bin}/moidview")
  set(MOIDVIEW_EXEC "env ${var} ${program}")
  configure_file("${template}" "${work}/moidview.desktop" @ONLY)
  file(INSTALL DESTINATION "${data}/applications" TYPE FILE FILES "${work}/moidview.desktop")
endfunction()
