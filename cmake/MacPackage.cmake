# `package`: Orvando.dmg in <build>/package, holding a copy of Orvando.app with Qt deployed into it
# (for the main program and every helper program beside it), signed from the inside out, and a
# link to /Applications. Ad hoc signed by default; with a Developer ID Application identity, signed
# with the hardened runtime and a secure timestamp, ready for notarization.
set(ORVANDO_CODESIGN_IDENTITY "-" CACHE STRING
    "Identity `package` signs with: - for ad hoc, or a \"Developer ID Application: …\" certificate")

get_target_property(qmake_location Qt6::qmake IMPORTED_LOCATION)
get_filename_component(qt_bin_dir "${qmake_location}" DIRECTORY)
find_program(MACDEPLOYQT_EXECUTABLE macdeployqt HINTS "${qt_bin_dir}")
if(NOT MACDEPLOYQT_EXECUTABLE)
    message(STATUS "macdeployqt not found (Homebrew: brew install qttools): no `package` target")
    return()
endif()

get_property(helpers GLOBAL PROPERTY ORVANDO_BUNDLE_HELPERS)
add_custom_target(package
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/package-mac $<TARGET_BUNDLE_DIR:orvando> ${CMAKE_BINARY_DIR}/package
        ${MACDEPLOYQT_EXECUTABLE} ${ORVANDO_CODESIGN_IDENTITY} ${CMAKE_SOURCE_DIR}/src/app/Orvando.entitlements
    COMMENT "Making ${CMAKE_BINARY_DIR}/package/Orvando.dmg"
    USES_TERMINAL
    VERBATIM)
add_dependencies(package orvando ${helpers})
