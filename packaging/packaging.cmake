# What the Debian package adds to `tandrel` and its man page: the menu entry, the icon, the
# AppStream data, the copyright and changelog files; and the package itself (cpack -G DEB).

# The desktop-file id names the menu entry, the icon and the AppStream component; the
# first start's own menu entry takes the same id to shadow the packaged one. The home page is
# a placeholder until the project has a public home.
set(TANDREL_APP_ID io.github.tandrel.Tandrel)
set(TANDREL_HOMEPAGE https://github.com/tandrel/tandrel)
set(TANDREL_SCREENSHOT_URL
    https://raw.githubusercontent.com/tandrel/tandrel/v${PROJECT_VERSION}/docs/start-screen.png)
set(TANDREL_RELEASE_DATE 2026-12-08)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Tandrel maintainers <maintainers@users.noreply.c-seed-e56b96a6.example>")

include(GNUInstallDirs)
set(packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set(generated ${CMAKE_BINARY_DIR}/packaging)
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/tandrel)

# The man page carries the project's version; Debian wants it and the changelog compressed
# with gzip -9n (no name, no time stamp, so that the bytes are reproducible).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/docs/tandrel.1)
file(READ ${PROJECT_SOURCE_DIR}/docs/tandrel.1 man_page)
string(REGEX REPLACE "\"Tandrel [0-9.]+\"" "\"Tandrel ${PROJECT_VERSION}\"" man_page
    "${man_page}")
file(WRITE ${generated}/tandrel.1 "${man_page}")
execute_process(COMMAND date -u -R -d ${TANDREL_RELEASE_DATE}
    OUTPUT_VARIABLE TANDREL_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${packaging_dir}/changelog.in ${generated}/changelog @ONLY)
configure_file(${packaging_dir}/${TANDREL_APP_ID}.metainfo.xml.in
    ${generated}/${TANDREL_APP_ID}.metainfo.xml @ONLY)
foreach(name tandrel.1 changelog)
    add_custom_command(OUTPUT ${generated}/${name}.gz
        COMMAND gzip -9n -c ${generated}/${name} > ${generated}/${name}.gz
        DEPENDS ${generated}/${name} VERBATIM)
endforeach()
add_custom_target(tandrel_package_data ALL
    DEPENDS ${generated}/tandrel.1.gz ${generated}/changelog.gz)

install(FILES ${generated}/tandrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_dir}/${TANDREL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${generated}/${TANDREL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
# The PNG is the SVG drawn by `rsvg-convert -w 256 -h 256` (librsvg2-bin); draw it again
# whenever the SVG changes.
install(FILES ${packaging_dir}/${TANDREL_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging_dir}/${TANDREL_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/256x256/apps)
install(FILES ${packaging_dir}/copyright ${generated}/changelog.gz DESTINATION ${doc_dir})

# The package: library dependencies from dpkg-shlibdeps; the rest is what a user needs at run
# time beyond the libraries. qt6-wayland lets the window run natively on Wayland (without it
# Qt falls back to XWayland; the X11 plugin is part of libqt6gui6); xdg-user-dir finds a
# desktop directory with a translated name (without it the first start uses ~/Desktop).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tandrel)
set(CPACK_PACKAGE_VENDOR "the Tandrel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keystroke-macro tool: plays programs into other applications")
set(CPACK_PACKAGE_DESCRIPTION
"Tandrel plays programs of keystrokes back into other applications. A program
is a list of lines: one keystroke, one key combination or one special function
per line. Tandrel types into the focused window, brings windows to the front by
their title, starts programs, works on files and the clipboard, and waits for
time, files, clipboard text or a date. It types into X11 windows, and into
every window on Wayland desktops whose compositor lets applications type.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TANDREL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's captions are laid out for Liberation Sans; the libraries are added to this.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-user-dirs")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
