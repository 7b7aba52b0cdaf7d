# Windows (cross-built with MinGW-w64): a static Irrlicht, which brings its PNG reader and writer
# along and draws through the system's OpenGL and window calls.
set(VELMORA_PLATFORM win32)
pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)
set(VELMORA_IRRLICHT_NEEDS PkgConfig::PNG opengl32 gdi32 winmm)
add_compile_definitions(_IRR_STATIC_LIB_)
# Every program in one folder, as in the game's own: the game and the tests find the decoding
# helper beside themselves.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
