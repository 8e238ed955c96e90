# The Debian package: `cpack -G DEB` in the build folder. Its dependencies
# come from dpkg-shlibdeps on the installed programs; the files are those of
# the install rules, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${QFC_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvelin")
set(CPACK_PACKAGE_CONTACT ${QFC_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compare two text files side by side, line by line")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvelin File Compare shows a pair of files in two grids side by side,
aligned line by line, with changed lines and lines of one side only in
their own colours, and steps from difference to difference. A binary pair
is compared byte for byte. The command quorvelin-diff prints the same
alignment as a unified diff or a list of rows, for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories 755 whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QFC_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The launcher explains a wrong selection in a desktop notification.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libnotify-bin")
include(CPack)
