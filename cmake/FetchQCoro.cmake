# QCoro built from source with the project, for systems that have no package of it (Homebrew has no
# formula). Pinned to a release tag: 0.11.0 is the first release that supports AppleClang 15
# (Xcode 15.2) and builds with clang 18. Only the Core and Network modules are built, as static
# libraries, so nothing more has to go into the application bundle.
include(FetchContent)
FetchContent_Declare(qcoro
    GIT_REPOSITORY https://github.com/qcoro/qcoro.git
    GIT_TAG v0.11.0
    GIT_SHALLOW TRUE)

block()
    set(BUILD_SHARED_LIBS OFF)
    set(BUILD_TESTING OFF)
    set(USE_QT_VERSION 6)
    set(QCORO_BUILD_EXAMPLES OFF)
    set(QCORO_WITH_QTDBUS OFF)
    set(QCORO_WITH_QTNETWORK ON)
    set(QCORO_WITH_QTWEBSOCKETS OFF)
    set(QCORO_WITH_QTQUICK OFF)
    set(QCORO_WITH_QML OFF)
    set(QCORO_WITH_QTTEST OFF)
    FetchContent_MakeAvailable(qcoro)
endblock()

# QCoro turns warnings into errors in its debug builds; a newer compiler or Qt than it was released
# with must not stop ours.
foreach(target QCoro6Core QCoro6Network)
    if(TARGET ${target})
        target_compile_options(${target} PRIVATE -Wno-error)
    endif()
endforeach()
if(NOT TARGET QCoro6::Core OR NOT TARGET QCoro6::Network)
    message(FATAL_ERROR "QCoro was fetched but did not define QCoro6::Core and QCoro6::Network")
endif()
