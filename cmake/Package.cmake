# The Debian package, built by CPack from the install rules (scripts/package
# runs it): volarin-z_<version>_<arch>.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME volarin-z)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Volarin Z maintainers <maintainers@users.noreply.c-seed-b58fa513.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "zip all files of one kind from chosen folders")
# The first line of the control file's Description is the summary above.
set(CPACK_PACKAGE_DESCRIPTION
    "Volarin Z lists every file of one kind (one extension out of 173, or all
files) lying directly in the folders dropped on its window, picked with
Browse or opened with it from the file manager, each with a check box. The
checked files are written, each under its bare name, into one ZIP archive
while the window shows the run's percentage.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Depends: the libraries the binary links, found by dpkg-shlibdeps, and Qt's
# Wayland platform, which is loaded at run time and so is no link of the binary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-wayland")
# Qt's own words (the folder picker's, the message boxes' buttons) in the
# user's language; the program's own are in the package.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# As Debian ships binaries: stripped, files 0644 and folders 0755 whatever the
# builder's umask, control files with the permissions dpkg expects.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
