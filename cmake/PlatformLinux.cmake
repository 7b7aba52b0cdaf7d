# Linux: Debian's shared Irrlicht, which leaves OpenGL and X11 to the program that links it.
set(VELMORA_PLATFORM posix)
pkg_check_modules(GL REQUIRED IMPORTED_TARGET gl)
pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
set(VELMORA_IRRLICHT_NEEDS PkgConfig::GL PkgConfig::X11)
