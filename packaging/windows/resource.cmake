# orvani_windows_resource(OUTPUT): writes the Windows icon and version
# resource script from the project version into OUTPUT. Used by the Windows
# build and by the test that compiles the script here.
function(orvani_windows_resource output)
    # "5.00": the major version, then the minor one in two digits.
    string(LENGTH "${PROJECT_VERSION_MINOR}" minor_digits)
    if(minor_digits LESS 2)
        set(ORVANI_SHORT_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
    else()
        set(ORVANI_SHORT_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
    endif()
    set(ORVANI_WINDOWS_ICON "${PROJECT_SOURCE_DIR}/ui/main/icons/orvani-parlevo.ico")
    configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/version.rc.in" "${output}" @ONLY)
endfunction()
