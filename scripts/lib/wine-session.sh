# Sourced by scripts/test and scripts/demo: one Xvfb and one wineserver for
# the whole run, a Wine prefix inside build/, ended by wine_session_stop.

wine_session_start() {
  local root=$1
  # Wine's 32-bit loader needs a kernel that runs 32-bit code, which these
  # machines lack: everything under test is a 64-bit Windows program.
  export WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64 WINEARCH=win64
  export WINESERVER=/usr/lib/wine/wineserver
  export WINEPREFIX="$root/build/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree=;mshtml="
  export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8

  local display=90
  while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  WINE_SESSION_XVFB_PID=$!
  export DISPLAY=":$display"
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done

  if [ ! -f "$WINEPREFIX/.project-ready" ]; then
    echo "wine: creating prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$WINE" wineboot -i >/dev/null 2>&1
    "$WINESERVER" -w
    # Chinese text needs a font with its glyphs behind the usual face names.
    local face
    for face in "Microsoft YaHei" "Microsoft YaHei UI" "微软雅黑" "SimSun" "Tahoma" "MS Shell Dlg"; do
      "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    done
    "$WINESERVER" -w
    touch "$WINEPREFIX/.project-ready"
  fi
  # Keeps program starts at a few milliseconds instead of seconds.
  "$WINESERVER" -p
  "$WINE" cmd /c exit >/dev/null 2>&1 || true
}

wine_session_stop() {
  "${WINESERVER:-wineserver}" -k 2>/dev/null || true
  if [ -n "${WINE_SESSION_XVFB_PID:-}" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
  fi
}
