#!/usr/bin/env bash
# Runs one Windows program of the build under Wine, in the build's own prefix (made by
# velmora_wine_prefix in wine-env.sh): CTest's emulator for the Windows build.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build-windows/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
