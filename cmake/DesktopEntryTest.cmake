# cmake -P: the Exec arguments of the desktop entry, against hand-quoted forms.
include("${CMAKE_CURRENT_LIST_DIR}/DesktopEntry.cmake")

set(failures 0)
function(expect_argument value expected)
  moid_desktop_exec_argument(got "${value}")
  if(NOT got STREQUAL expected)
    message(SEND_ERROR "argument [${value}]: got [${got}], expected [${expected}]")
  endif()
endfunction()

# Plain paths stay as they are.
expect_argument("/usr/bin/moidview" "/usr/bin/moidview")
expect_argument("KORIX12DIR=/usr/share/moidview" "KORIX12DIR=/usr/share/moidview")
# A blank needs quotes.
expect_argument("/opt/my apps/bin/moidview" "\"/opt/my apps/bin/moidview\"")
# "$" is escaped inside the quotes, and the backslash is doubled in the file.
expect_argument("/opt/a$b" "\"/opt/a\\\\$b\"")
# A double quote likewise.
expect_argument("/opt/say\"hi" "\"/opt/say\\\\\"hi\"")
# A backslash: escaped inside the quotes (two), each doubled in the file (four).
expect_argument("/opt/back\\slash" "\"/opt/back\\\\\\\\slash\"")
# "%" introduces field codes: doubled, and alone it needs no quotes.
expect_argument("/opt/100%" "/opt/100%%")
# Other reserved characters only quote.
expect_argument("/opt/x;y" "\"/opt/x;y\"")
expect_argument("/opt/(x)" "\"/opt/(x)\"")
expect_argument("/opt/~me" "\"/opt/~me\"")

# The wrapper's program path as one shell word.
function(expect_shell_word value expected)
  moid_shell_word(got "${value}")
  if(NOT got STREQUAL expected)
    message(SEND_ERROR "shell word [${value}]: got [${got}], expected [${expected}]")
  endif()
endfunction()
expect_shell_word("/usr/bin/moidview" "'/usr/bin/moidview'")
expect_shell_word("/opt/my apps/\$HOME/`x`" "'/opt/my apps/\$HOME/`x`'")
expect_shell_word("/opt/it's" "'/opt/it'\\''s'")
