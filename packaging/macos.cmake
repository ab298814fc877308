# macOS: the program is built as a plain executable, not an application
# bundle (MACOSX_BUNDLE is off in app/), and `cmake --install` lays it out
# with its module and HTML/ in one folder under the prefix, as in the build
# tree. Not built on our Debian machines; no bundle, signing or disk image is
# made here, and the Qt frameworks must be deployed separately.

set(CPACK_GENERATOR "TGZ")
set(CPACK_PACKAGE_VENDOR "${ORVANI_PRODUCT_maker}")
