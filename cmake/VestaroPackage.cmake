# The Debian package: `cpack -G DEB` in a build directory makes vestaro_<version>-1_<arch>.deb
# with both programs, the desktop entry and the icon. The Qt libraries it needs are found from
# the programs themselves; the Japanese fonts of the windows and reports are named here.
set(CPACK_PACKAGE_NAME vestaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vestaro maintainers <vestaro@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Flood-detention pond design and calculation book (調節池)")
set(CPACK_PACKAGE_DESCRIPTION
    "Vestaro computes the design hyetograph, the runoff hydrograph and the flood routing of a
detention pond with orifices and a spillway or a pump, and writes its calculation book as PDF,
text, printed pages and chart pictures. The interface and the reports are Japanese.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont")
# Qt's own Japanese catalogue, for the standard buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
