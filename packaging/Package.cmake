# The Debian package "quelvan" (scripts/package.sh runs cpack in the release build tree): the
# desktop program, quelvan-cli and quelvan-cli-draw, the weather of the ten cities, the catalogue
# of materials (data/CMakeLists.txt installs both), the desktop launcher, the icon, the AppStream
# metainfo, the manual pages and the bash completion, all under /usr. Its library dependencies
# are computed by dpkg-shlibdeps from the programs themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelvan)
set(CPACK_PACKAGE_VENDOR Quelvan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "transient heat conduction through multi-layer walls (French interface)")
set(CPACK_PACKAGE_DESCRIPTION
    "Quelvan simulates transient one-dimensional heat conduction through a multi-layer wall \
between an exterior and an interior ambiance, hour by hour over a week, with a fine mode, an \
annual balance, variant studies and EPW weather import. The desktop program and the \
quelvan-cli command-line tool speak French.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # quelvan_1.21.0_amd64.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quelvan developers <quelvan@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugin at run time, which no library link names: without it the
# desktop program cannot open a window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The report's Arial metrics and Qt's own dialogs in French.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
# The folders in the package are readable by all whatever the umask of whoever builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
