# The program as a Linux desktop program: its password in the system keychain,
# its menu entry, AppStream data, icons and manual pages, and the packages.
# Global: the library target links it from another folder.
find_package(Qt6Keychain REQUIRED GLOBAL)
target_link_libraries(velvox_core PUBLIC Qt6Keychain::Qt6Keychain)

add_subdirectory(data)
include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
