# Windows: the executable ("Orvani Parlevo.exe", see app/) gets its icon and a
# version resource made from the project version. Not linked on our Debian
# machines (tests/windows/ compiles the Windows-only sources and the
# resource script there); the Qt libraries the program needs are not installed by these
# rules and must be deployed beside it separately.

include(windows/resource.cmake)
orvani_windows_resource("${CMAKE_CURRENT_BINARY_DIR}/windows/version.rc")
target_sources(orvani_parlevo PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/windows/version.rc")

set(CPACK_GENERATOR "ZIP")
set(CPACK_PACKAGE_VENDOR "${ORVANI_PRODUCT_maker}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${ORVANI_PRODUCT_NAME}")
