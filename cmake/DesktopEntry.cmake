# Writes the desktop entry and its start wrapper at install time, when the prefix is final
# (cmake --install --prefix, or /usr inside the Debian package). moidview finds the bundled
# catalogue by itself (in the share folder of its own prefix); the wrapper only chooses the
# directory it starts in, where the pictures go: ~/Pictures when it exists, else home. A
# desktop entry's Path= cannot say "when it exists", hence the wrapper, a plain /bin/sh
# script in libexec/moidview/.

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

# The text as one word for a POSIX shell: in single quotes, each single quote written '\''.
function(moid_shell_word out value)
  string(REPLACE "'" "'\\''" word "${value}")
  set(${out} "'${word}'" PARENT_SCOPE)
endfunction()

# packaging: the folder of moidview.desktop.in and moidview-desktop.in; bindir, libexecdir,
# datadir: the install directories (relative to the prefix or absolute); work: a scratch
# directory for the finished files. The entry starts the wrapper, which starts moidview in a
# folder where the pictures belong.
function(moid_install_desktop_entry packaging bindir libexecdir datadir work)
  moid_install_path(bin "${bindir}")
  moid_install_path(libexec "${libexecdir}")
  moid_install_path(data "${datadir}")
  moid_shell_word(MOIDVIEW_PROGRAM "${bin}/moidview")
  configure_file("${packaging}/moidview-desktop.in" "${work}/moidview-desktop" @ONLY)
  file(INSTALL DESTINATION "${libexec}/moidview" TYPE PROGRAM FILES "${work}/moidview-desktop")
  moid_desktop_exec_argument(MOIDVIEW_EXEC "${libexec}/moidview/moidview-desktop")
  configure_file("${packaging}/moidview.desktop.in" "${work}/moidview.desktop" @ONLY)
  file(INSTALL DESTINATION "${data}/applications" TYPE FILE FILES "${work}/moidview.desktop")
endfunction()
