# Run by `cmake --install`: writes the menu entry with the launcher's full path under the prefix
# being installed to. Expects PLIMSDL_INSTALL_GAMESDIR, PLIMSDL_DESKTOP_ENTRY (the template) and
# PLIMSDL_DESKTOP_OUTPUT.
get_filename_component(launcher "${PLIMSDL_INSTALL_GAMESDIR}/plimsdl" ABSOLUTE
                       BASE_DIR "${CMAKE_INSTALL_PREFIX}")
# A menu entry's command line gives quotes, backslashes, dollars and percent signs meanings of
# their own; a path free of them needs quoting only for its blanks.
if(launcher MATCHES "[\"'`$%\\\\\n]")
    message(FATAL_ERROR "A menu entry cannot start ${launcher}: choose a prefix without quotes, "
                        "backslashes, dollars or percent signs.")
endif()
if(launcher MATCHES " ")
    set(launcher "\"${launcher}\"")
endif()
set(PLIMSDL_LAUNCHER "${launcher}")
configure_file("${PLIMSDL_DESKTOP_ENTRY}" "${PLIMSDL_DESKTOP_OUTPUT}" @ONLY)
