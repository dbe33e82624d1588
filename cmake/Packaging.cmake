# `cpack -G DEB` in the build folder makes two packages: velvox (the program
# with its desktop files) and velvox-service (the stand-in service on its
# own). Their dependencies come from dpkg-shlibdeps.
include(GNUInstallDirs)

install(TARGETS velvox velvox-send RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT velvox)
install(TARGETS velvox-service RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT service)

set(CPACK_PACKAGE_NAME velvox)
set(CPACK_PACKAGE_VENDOR Quendal)
set(CPACK_PACKAGE_CONTACT "Velvox Team <velvox@velvox.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velvox.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL velvox service)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The journal opens SQLite through Qt's driver plugin, which no library links.
set(CPACK_DEBIAN_VELVOX_PACKAGE_DEPENDS libqt6sql6-sqlite)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_VELVOX_PACKAGE_NAME velvox)
set(CPACK_DEBIAN_SERVICE_PACKAGE_NAME velvox-service)
set(CPACK_DEBIAN_SERVICE_PACKAGE_SECTION net)
# First line: the synopsis; CPack indents the others.
set(CPACK_COMPONENT_VELVOX_DESCRIPTION "desktop client for a web SMS service
Velvox sends SMS through an account with a web SMS service: single messages,
mass SMS to recipient lists, scheduled and recurring messages, or through a
company SMS server. The user interface is German. The password is kept in
the system keychain where a Secret Service keyring runs. velvox-send sends
the same messages from a terminal or a script.")
set(CPACK_COMPONENT_SERVICE_DESCRIPTION "stand-in web SMS service for Velvox
velvox-service answers every request Velvox makes of its web SMS service
over HTTP on loopback and keeps its data in SQLite. It sends no SMS; it is
meant for trying the client and for its tests.")

include(CPack)
