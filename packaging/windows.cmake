# Windows: the executable ("Orvani Parlevo.exe", see app/) gets its icon and a
# version resource made from the project version. Not built on our Debian
# machines; the Qt libraries the program needs are not installed by these
# rules and must be deployed beside it separately.

# "5.00": the major version, then the minor one in two digits.
string(LENGTH "${PROJECT_VERSION_MINOR}" minor_digits)
if(minor_digits LESS 2)
    set(ORVANI_SHORT_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(ORVANI_SHORT_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
set(ORVANI_WINDOWS_ICON "${PROJECT_SOURCE_DIR}/ui/main/icons/orvani-parlevo.ico")

configure_file(windows/version.rc.in windows/version.rc @ONLY)
target_sources(orvani_parlevo PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/windows/version.rc")

set(CPACK_GENERATOR "ZIP")
set(CPACK_PACKAGE_VENDOR "Quillfen")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${ORVANI_PRODUCT_NAME}")
