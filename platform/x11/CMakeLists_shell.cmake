# The shell's X11 desktop services (included from platform/CMakeLists.txt), linked by the program only.
pkg_check_modules(XCB_SHELL REQUIRED IMPORTED_TARGET xcb)
add_library(redizado_platform_x11_shell STATIC
  x11/X11SystemTrayHost.cpp
  x11/X11Workspace.cpp
)
target_link_libraries(redizado_platform_x11_shell PUBLIC redizado_platform_qt PRIVATE PkgConfig::XCB_SHELL Qt6::Gui)
