# Install layout and the Debian package.
#
# The exam program looks for Help.CHM and site/ in its own folder, so the real binary lives in a
# private folder with them (lib/quorvane) and bin/ holds a link to it; the link is resolved to
# the real path when the program asks for its folder. The sample data goes to the share folder,
# from where the program copies it onto a drive that has no bank yet.
include(GNUInstallDirs)

set(QV_INSTALL_PROGRAM_DIR lib/quorvane)
set(QV_INSTALL_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/quorvane)
set(QV_INSTALL_DATA_DIR ${QV_INSTALL_SHARE_DIR}/cwmx)
# Relative, so the same binary finds its data under any prefix (/usr, or a `cmake --install`
# tree).
file(RELATIVE_PATH QV_SHARE_DATA_RELATIVE /${QV_INSTALL_PROGRAM_DIR} /${QV_INSTALL_DATA_DIR})

# bin/quorvane -> ../lib/quorvane/quorvane; install() copies a link as a link.
set(qv_link_dir ${CMAKE_BINARY_DIR}/packaging/bin)
file(MAKE_DIRECTORY ${qv_link_dir})
file(RELATIVE_PATH qv_link_target /${CMAKE_INSTALL_BINDIR} /${QV_INSTALL_PROGRAM_DIR}/quorvane)
file(CREATE_LINK ${qv_link_target} ${qv_link_dir}/quorvane SYMBOLIC)
install(FILES ${qv_link_dir}/quorvane DESTINATION ${CMAKE_INSTALL_BINDIR})

set(qv_packaging_source ${CMAKE_CURRENT_LIST_DIR}/../packaging)
install(FILES ${qv_packaging_source}/quorvane.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${qv_packaging_source}/quorvane.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_CONTACT "Quorvane developers <quorvane@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "rehearsal of the computer-based Visual Basic level-2 examination")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorvane lets a student rehearse the computer-based paper of the level-2 Visual Basic\n\
examination: login, the timed paper with its exam bar, hand-in, grading and the answers\n\
and analysis window. It ships a sample question bank; quorvane-admin builds and checks\n\
question banks and grades student folders.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by shlibdeps: the X11 platform plugin Qt loads at run time, the fonts the Chinese
# texts need, and xdg-open for the help file and web pages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei, xdg-utils")
# The IDE the student writes the answers in runs through wine; the help file opens in xchm.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wine")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm")
include(CPack)
