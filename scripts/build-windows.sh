#!/usr/bin/env bash
# Builds Windows Velmora on Debian 12 with MinGW-w64: the libraries from third_party/ into a prefix
# cached under ~/.cache/velmora (built once per set of sources and recipes), then the game, its
# decoding helper, the tools and the tests into build-windows/, and the zip a player unpacks:
# build-windows/Velmora-win64.zip. Each stage prints how long it took.
set -euo pipefail

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELMORA_WIN_BUILD="$VELMORA_ROOT/build-windows"
jobs=$(nproc)
source "$VELMORA_ROOT/scripts/windows-deps.sh"

windows_packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64
  cmake pkg-config dpkg-dev patch zip unzip googletest imagemagick
)

stage() {
  local name=$1 t0
  shift
  t0=$(date +%s)
  "$@"
  echo "windows: $name took $(($(date +%s) - t0)) s"
}

install_packages() {
  local missing=() p sudo=""
  for p in "${windows_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "windows: installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# The prefix's name changes with the sources, the recipes, the toolchain file and the compiler.
prefix_key() {
  {
    cat "$VELMORA_ROOT"/third_party/*/SHA256SUMS "$VELMORA_ROOT"/third_party/*/*.patch
    cat "$VELMORA_ROOT/scripts/windows-deps.sh" "$VELMORA_ROOT/cmake/mingw-w64.cmake"
    $mingw_cxx --version | head -1
    dpkg-query -W -f='${Version}' libz-mingw-w64-dev googletest
  } | sha256sum | cut -c1-16
}

# Built into a scratch folder and renamed into place only when complete, so an interrupted build
# never leaves a half prefix that a later build would trust.
build_prefix() {
  if [ -f "$prefix/.complete" ]; then
    echo "windows: libraries cached in $prefix"
    return 0
  fi
  local final=$prefix
  prefix="$final.partial"
  work="$final.work"
  rm -rf "$prefix" "$work"
  mkdir -p "$prefix" "$work"
  stage "unpacking the sources" deps_unpack
  local lib
  for lib in zlib libpng irrlicht bullet libogg flac libvorbis opus libsndfile openal lua tinyxml googletest relocatable; do
    stage "$lib" "deps_$lib"
  done
  touch "$prefix/.complete"
  rm -rf "$work" "$final"
  mv "$prefix" "$final"
  prefix=$final
}

# A build folder configured against another prefix keeps that prefix's library paths in its cache.
build_game() {
  grep -qx "VELMORA_MINGW_PREFIX:UNINITIALIZED=$prefix" "$VELMORA_WIN_BUILD/CMakeCache.txt" 2>/dev/null ||
    rm -rf "$VELMORA_WIN_BUILD/CMakeCache.txt" "$VELMORA_WIN_BUILD/CMakeFiles"
  PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH="" \
    cmake -S "$VELMORA_ROOT" -B "$VELMORA_WIN_BUILD" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$VELMORA_ROOT/cmake/mingw-w64.cmake" -DVELMORA_MINGW_PREFIX="$prefix" \
    -DPKG_CONFIG_ARGN=--static -DCMAKE_CROSSCOMPILING_EMULATOR="$VELMORA_ROOT/scripts/wine-run.sh" >/dev/null
  cmake --build "$VELMORA_WIN_BUILD" -j "$jobs"
}

# What a player unpacks: the game (one static executable), its decoding helper, the shaders and
# the level, in one folder, as the game expects to find them beside itself.
write_zip() {
  local stage_dir="$VELMORA_WIN_BUILD/zip/Velmora"
  rm -rf "$VELMORA_WIN_BUILD/zip" "$VELMORA_WIN_BUILD/Velmora-win64.zip"
  mkdir -p "$stage_dir"
  cp "$VELMORA_WIN_BUILD/bin/velmora.exe" "$VELMORA_WIN_BUILD/bin/velmora-decode.exe" "$stage_dir/"
  $mingw-strip "$stage_dir"/*.exe
  cp "$VELMORA_ROOT"/game/*.vsh "$VELMORA_ROOT"/game/*.fsh "$stage_dir/"
  cp -r "$VELMORA_ROOT/game/Content" "$stage_dir/"
  cp "$VELMORA_ROOT/docs/windows-player.txt" "$stage_dir/README.txt"
  (cd "$VELMORA_WIN_BUILD/zip" && zip -qr9 ../Velmora-win64.zip Velmora)
  echo "windows: wrote $VELMORA_WIN_BUILD/Velmora-win64.zip ($(du -k "$VELMORA_WIN_BUILD/Velmora-win64.zip" | cut -f1) KiB)"
}

main() {
  renice -n 10 $$ >/dev/null
  stage "installing packages" install_packages
  prefix="$HOME/.cache/velmora/mingw-$(prefix_key)"
  stage "the libraries" build_prefix
  stage "the game, tools and tests" build_game
  stage "the zip" write_zip
}

main "$@"
