# Running Windows Velmora under Wine on this machine. Sourced by test-windows.sh; wine-run.sh is
# what CTest runs each Windows program through.
#
# The prefix (Wine's Windows folder) is made once per build folder, the same way each time: no
# Mono or Gecko installers, no sound driver (the game then goes on silent, as on a machine without
# a sound card; the tests use OpenAL Soft's loopback device), and windows that close at once
# (without a window manager Wine otherwise waits two seconds for one when a window closes).
# A wineserver kept running and warmed up starts each program in a hundredth of a second instead
# of seconds; its output goes nowhere, or a CTest that started it would wait on its pipe forever.

# A first start of Wine on a fresh machine now and then fails (wineboot or reg returning an error
# status) or leaves the prefix without its settings: whatever step failed, the settings are
# looked for at the end, and the prefix is made again once before the run gives up.
velmora_wine_prefix() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [ -f "$WINEPREFIX/.velmora-ready" ] && return 0
  local attempt
  for attempt in 1 2; do
    wineserver -k >/dev/null 2>&1 </dev/null || true
    rm -rf "$WINEPREFIX"
    echo "wine: making the prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null || echo "wine: wineboot failed with status $?"
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
    wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null 2>&1 </dev/null || true
    wineserver -w || true
    if wine reg query 'HKCU\Software\Wine\X11 Driver' /v Managed 2>/dev/null </dev/null | grep -q 'Managed.*N'; then
      touch "$WINEPREFIX/.velmora-ready"
      return 0
    fi
    echo "wine: the prefix $WINEPREFIX was not made (wine reg failed, attempt $attempt of 2)"
  done
  return 1
}

# A server still running (one lingers a few seconds after its last program, as after making the
# prefix) would refuse the persistent one: it is let end first.
velmora_wine_start() {
  wineserver -w
  wineserver -p >/dev/null 2>&1 </dev/null || { echo "wine: the wineserver did not start (status $?)"; return 1; }
  wine cmd /c exit >/dev/null 2>&1 </dev/null
}

velmora_wine_stop() {
  wineserver -k >/dev/null 2>&1 </dev/null || true
}
