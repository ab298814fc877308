# orvani_windows_resource(OUTPUT): writes the Windows icon and version
# resource script from the product's data (see the top CMakeLists.txt) into
# OUTPUT. Used by the Windows build and by the test that compiles the script
# here.
function(orvani_windows_resource output)
    set(ORVANI_WINDOWS_ICON "${PROJECT_SOURCE_DIR}/ui/main/icons/orvani-parlevo.ico")
    configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/version.rc.in" "${output}" @ONLY)
endfunction()
