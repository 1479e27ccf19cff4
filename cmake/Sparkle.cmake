# Sparkle 2, with which the Mac build updates itself: a pinned release archive, checked against its
# SHA-256 before it is unpacked. Version and checksum are those Homebrew's own cask for Sparkle
# records for this release archive (github:Homebrew/homebrew-cask, Casks/s/sparkle.rb, version
# "2.6.4", at commit b80b2c1a459104adcaadd59222b561d81dd60d59). scripts/release-appcast reads the
# two values from here, so change them here only.
set(SPARKLE_VERSION 2.6.4)
set(SPARKLE_SHA256 50612a06038abc931f16011d7903b8326a362c1074dabccb718404ce8e585f0b)

# Where the appcast lives and the EdDSA public key (Sparkle's generate_keys prints it) every update
# must be signed with. Either empty: the program does not update itself and its "Check for
# Updates…" tells the user how to update instead. Both end up in Info.plist.
set(ORVANDO_SPARKLE_FEED_URL "" CACHE STRING "Appcast address the Mac build updates itself from")
set(ORVANDO_SPARKLE_PUBLIC_KEY "" CACHE STRING "Base64 EdDSA public key updates must be signed with")
option(ORVANDO_SPARKLE_AUTOMATIC_CHECKS "Look for updates once a day unless the user turns it off" ON)

include(FetchContent)
FetchContent_Declare(sparkle
    URL https://github.com/sparkle-project/Sparkle/releases/download/${SPARKLE_VERSION}/Sparkle-${SPARKLE_VERSION}.tar.xz
    URL_HASH SHA256=${SPARKLE_SHA256}
    DOWNLOAD_EXTRACT_TIMESTAMP TRUE)
# The archive holds no CMake project: this only downloads, checks and unpacks it.
FetchContent_MakeAvailable(sparkle)
set(SPARKLE_DIR ${sparkle_SOURCE_DIR}) # Sparkle.framework, and bin/ with generate_appcast and sign_update
if(NOT EXISTS ${SPARKLE_DIR}/Sparkle.framework)
    message(FATAL_ERROR "The Sparkle ${SPARKLE_VERSION} archive holds no Sparkle.framework")
endif()

# Links Sparkle weakly (a program without it in reach still starts, and does not update itself)
# and lets Objective-C++ sources import <Sparkle/Sparkle.h>.
function(orvando_use_sparkle target)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:OBJCXX>:-F${SPARKLE_DIR}>)
    target_link_options(${target} INTERFACE -F${SPARKLE_DIR} "LINKER:-weak_framework,Sparkle")
endfunction()

# Copies Sparkle.framework into the bundle's Contents/Frameworks after each link (ditto keeps its
# symbolic links), where the executable finds it through its run path.
function(orvando_embed_sparkle target)
    set_property(TARGET ${target} APPEND PROPERTY BUILD_RPATH "@executable_path/../Frameworks")
    set(frameworks $<TARGET_BUNDLE_CONTENT_DIR:${target}>/Frameworks)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${frameworks}/Sparkle.framework
        COMMAND ${CMAKE_COMMAND} -E make_directory ${frameworks}
        COMMAND ditto ${SPARKLE_DIR}/Sparkle.framework ${frameworks}/Sparkle.framework
        VERBATIM)
endfunction()
