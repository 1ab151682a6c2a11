# Installation layout and the Debian package. `bin/brevon` is installed by
# app/; this adds the desktop entry, the icon theme's PNG icons and the
# manual page, and configures CPack:
#   cmake --install build --prefix /usr     (DESTDIR=... for a staging tree)
#   cd build && cpack -G DEB                (brevon_<version>_<arch>.deb)

include(GNUInstallDirs)

install(FILES ${PROJECT_SOURCE_DIR}/resources/brevon.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Made at build time from the icon file's 32-bit images (resources/).
foreach(size IN ITEMS 16 32 48)
  install(FILES ${BREVON_PNG_ICON_DIR}/brevon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME brevon.png)
endforeach()

# The manual page carries the version from resources/version.txt.
configure_file(${PROJECT_SOURCE_DIR}/resources/brevon.1.in
               ${PROJECT_BINARY_DIR}/resources/brevon.1 @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/resources/brevon.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME brevon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brevon developers")
set(CPACK_PACKAGE_CONTACT "Brevon developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Simple confirmation utility")
set(CPACK_PACKAGE_DESCRIPTION
    "Shows a message in a small window and waits until someone presses OK\n\
or closes the window, so that a script can tell a person that something\n\
has happened and hold until it has been seen.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brevon developers")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the executable links, by Debian package; a test
# checks this against the executable's own list. The C++ runtime is linked
# in, so it needs no package.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libx11-6, libxft2, libxrandr2, libfontconfig1")
# Arial's metric-compatible stand-in, for the window's fonts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)

include(CPack)
