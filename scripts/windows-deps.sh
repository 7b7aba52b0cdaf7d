# The libraries Windows Velmora links, cross-built statically with MinGW-w64 from third_party/
# into a prefix. Sourced by build-windows.sh; each function builds one library from the unpacked
# sources in $work into $prefix. The prefix is keyed by this file's hash: change a recipe here
# and the next build makes a new prefix.

mingw=x86_64-w64-mingw32
mingw_cc=$mingw-gcc-posix
mingw_cxx=$mingw-g++-posix
mingw_ar=$mingw-gcc-ar-posix
deps_cflags="-O2"

# Unpacks every source after checking it against the checksums kept beside it.
deps_unpack() {
  local folder dsc
  for folder in "$VELMORA_ROOT"/third_party/*/; do
    (cd "$folder" && sha256sum --quiet -c SHA256SUMS) ||
      { echo "windows: a source in ${folder%/} does not match its SHA256SUMS; not building from it"; return 1; }
  done
  for dsc in "$VELMORA_ROOT"/third_party/*/*.dsc; do
    dpkg-source --no-check -x "$dsc" "$work/$(basename "$(dirname "$dsc")")" >/dev/null
  done
  tar -xzf "$VELMORA_ROOT/third_party/openal-soft/openal-soft-1.19.1.tar.gz" -C "$work"
  mv "$work/openal-soft-1.19.1" "$work/openal-soft"
  patch -s -d "$work/openal-soft" -p1 < "$VELMORA_ROOT/third_party/openal-soft/bformatdec-extern-scales.patch"
  patch -s -d "$work/irrlicht" -p1 < "$VELMORA_ROOT/third_party/irrlicht/irrtypes-mingw-snprintf.patch"
}

deps_cmake() {
  local src=$1 build=$2
  shift 2
  cmake -S "$src" -B "$build" -G "Unix Makefiles" -Wno-dev -Wno-deprecated \
    -DCMAKE_TOOLCHAIN_FILE="$VELMORA_ROOT/cmake/mingw-w64.cmake" -DVELMORA_MINGW_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
}

# Only the static zlib may be visible in the prefix, or CMake links the DLL's import library.
deps_zlib() {
  mkdir -p "$prefix/lib/pkgconfig" "$prefix/include"
  cp /usr/$mingw/lib/libz.a "$prefix/lib/"
  cp /usr/$mingw/include/zlib.h /usr/$mingw/include/zconf.h "$prefix/include/"
  deps_pc zlib 1.2.13 "-lz" ""
}

# deps_pc NAME VERSION LIBS CFLAGS: a pkg-config file for a library built without one.
deps_pc() {
  cat > "$prefix/lib/pkgconfig/$1.pc" <<PC
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include
Name: $1
Description: $1 for MinGW-w64
Version: $2
Libs: -L\${libdir} $3
Cflags: -I\${includedir} $4
PC
}

deps_libpng() {
  deps_cmake "$work/libpng1.6" "$work/libpng-build" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_EXECUTABLES=OFF -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"
  cmake --build "$work/libpng-build" -j "$jobs" --target install >/dev/null
}

# Irrlicht's Makefile appends its own defines and -O3 to CPPFLAGS and CXXFLAGS: flags given on
# make's command line would replace them, so they go in through the environment. OpenGL only;
# the game's content has no JPEG images and no bzip2 archives.
deps_irrlicht() {
  local dir="$work/irrlicht/source/Irrlicht"
  mkdir -p "$work/irrlicht/lib/Win32-gcc"
  (cd "$dir" && NDEBUG=1 CPPFLAGS="-I$prefix/include -DNO_IRR_COMPILE_WITH_LIBJPEG_ -DNO_IRR_COMPILE_WITH_BZIP2_" \
    CXXFLAGS=-w CFLAGS=-w make -j "$jobs" staticlib_win32 CC=$mingw_cc CXX=$mingw_cxx AR=$mingw_ar >/dev/null)
  mkdir -p "$prefix/include/irrlicht"
  cp "$work"/irrlicht/include/*.h "$prefix/include/irrlicht/"
  cp "$dir/libIrrlicht.a" "$prefix/lib/"
}

# Double precision, as on Linux, where Debian's patches name the libraries "-float64"; only the
# three the game links, so the pkg-config file is written here.
deps_bullet() {
  deps_cmake "$work/bullet" "$work/bullet-build" -DUSE_DOUBLE_PRECISION=ON -DCMAKE_DISABLE_FIND_PACKAGE_OpenGL=ON \
    -DBUILD_CPU_DEMOS=OFF -DBUILD_OPENGL3_DEMOS=OFF -DBUILD_BULLET2_DEMOS=OFF -DBUILD_EXTRAS=OFF \
    -DBUILD_UNIT_TESTS=OFF -DBUILD_PYBULLET=OFF -DBUILD_ENET=OFF -DBUILD_CLSOCKET=OFF -DINSTALL_LIBS=ON
  local lib
  for lib in BulletDynamics BulletCollision LinearMath; do
    cmake --build "$work/bullet-build" -j "$jobs" --target "$lib-float64" >/dev/null
    cp "$work/bullet-build/lib/lib$lib-float64.a" "$prefix/lib/"
  done
  (cd "$work/bullet/src" && find . -name '*.h' -exec install -D -m 644 {} "$prefix/include/bullet/{}" \;)
  deps_pc bullet-float64 3.24 "-lBulletDynamics-float64 -lBulletCollision-float64 -lLinearMath-float64" "-I\${includedir}/bullet -DBT_USE_DOUBLE_PRECISION"
}

# The codecs libsndfile reads FLAC, Ogg Vorbis and Opus with, as on Linux.
deps_libogg() {
  deps_cmake "$work/libogg" "$work/libogg-build" -DINSTALL_DOCS=OFF -DBUILD_TESTING=OFF
  cmake --build "$work/libogg-build" -j "$jobs" --target install >/dev/null
}

# FLAC keeps its stack protection and checked copies, which need GCC's libssp at the link; its
# pkg-config file does not say so.
deps_flac() {
  deps_cmake "$work/flac" "$work/flac-build" -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF \
    -DBUILD_DOCS=OFF -DBUILD_CXXLIBS=OFF -DINSTALL_MANPAGES=OFF -DWITH_OGG=ON
  cmake --build "$work/flac-build" -j "$jobs" --target install >/dev/null
  sed -i 's/^Libs.private:.*/& -lssp/' "$prefix/lib/pkgconfig/flac.pc"
}

deps_libvorbis() {
  deps_cmake "$work/libvorbis" "$work/libvorbis-build"
  cmake --build "$work/libvorbis-build" -j "$jobs" --target install >/dev/null
}

# Opus 1.3.1's release lacks a file its CMake build includes: its own configure script, then. It
# adds _FORTIFY_SOURCE unless already defined, and MinGW-w64 has no fortified C library to link.
deps_opus() {
  (cd "$work/opus" && ./configure --host=$mingw --prefix="$prefix" --disable-shared --enable-static --disable-doc \
    --disable-extra-programs CC=$mingw_cc AR=$mingw_ar CFLAGS="$deps_cflags -D_FORTIFY_SOURCE=0" >/dev/null &&
    make -j "$jobs" install >/dev/null)
}

# The codecs are found through the prefix's pkg-config files, never the Linux system's. FLAC's
# header imports its functions from a DLL unless told the library is static.
deps_libsndfile() {
  PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH="" \
    deps_cmake "$work/libsndfile" "$work/libsndfile-build" -DCMAKE_C_FLAGS="$deps_cflags -DFLAC__NO_DLL" \
    -DENABLE_EXTERNAL_LIBS=ON -DENABLE_MPEG=OFF \
    -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF -DENABLE_CPACK=OFF -DINSTALL_PKGCONFIG_MODULE=ON
  cmake --build "$work/libsndfile-build" -j "$jobs" --target install >/dev/null
}

# OpenAL Soft's headers import its functions from a DLL unless AL_LIBTYPE_STATIC is defined: its
# static build's pkg-config file says so, and names the system libraries its backends need.
deps_openal() {
  deps_cmake "$work/openal-soft" "$work/openal-build" -DLIBTYPE=STATIC -DALSOFT_UTILS=OFF \
    -DALSOFT_EXAMPLES=OFF -DALSOFT_TESTS=OFF -DALSOFT_NO_CONFIG_UTIL=ON
  cmake --build "$work/openal-build" -j "$jobs" --target install >/dev/null
}

# Lua's own makefile and Debian's libtool build do not cross-compile; the library is small.
deps_lua() {
  local src="$work/lua5.1/src" objs=() f
  mkdir -p "$work/lua-build" "$prefix/include/lua5.1"
  for f in "$src"/*.c; do
    case "$(basename "$f")" in lua.c | luac.c | print.c) continue ;; esac
    $mingw_cc $deps_cflags -c "$f" -o "$work/lua-build/$(basename "$f" .c).o"
    objs+=("$work/lua-build/$(basename "$f" .c).o")
  done
  $mingw_ar rcs "$prefix/lib/liblua5.1.a" "${objs[@]}"
  cp "$src"/lua.h "$src"/luaconf.h "$src"/lualib.h "$src"/lauxlib.h "$work/lua5.1/etc/lua.hpp" "$prefix/include/lua5.1/"
  deps_pc lua5.1 5.1.5 "-llua5.1" "-I\${includedir}/lua5.1"
}

# Debian's tinyxml.h defines TIXML_USE_STL itself, as the Linux build has it.
deps_tinyxml() {
  local src="$work/tinyxml" objs=() f
  mkdir -p "$work/tinyxml-build"
  for f in tinyxml tinystr tinyxmlerror tinyxmlparser; do
    $mingw_cxx $deps_cflags -c "$src/$f.cpp" -o "$work/tinyxml-build/$f.o"
    objs+=("$work/tinyxml-build/$f.o")
  done
  $mingw_ar rcs "$prefix/lib/libtinyxml.a" "${objs[@]}"
  cp "$src/tinyxml.h" "$src/tinystr.h" "$prefix/include/"
  deps_pc tinyxml 2.6.2 "-ltinyxml" ""
}

deps_googletest() {
  deps_cmake /usr/src/googletest "$work/googletest-build" -Dgtest_disable_pthreads=OFF
  cmake --build "$work/googletest-build" -j "$jobs" --target install >/dev/null
}

# The prefix is built under a temporary name and then renamed: its pkg-config files must name it
# relative to where they lie.
deps_relocatable() {
  sed -i "s|$prefix|\${pcfiledir}/../..|g" "$prefix"/lib/pkgconfig/*.pc
}
