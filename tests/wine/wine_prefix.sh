# Sourced by bash scripts that run Windows programs under the 64-bit Wine.
# Makes a throwaway prefix with a persistent server in $wine_work/prefix; on
# exit, every Wine process of that prefix is ended and the folder removed.
# Wine's services inherit the standard handles: capture output in files.
wine=${WINE64:-/usr/lib/wine/wine64}
wineserver=${WINESERVER64:-/usr/lib/wine/wineserver64}
wine_work=$(mktemp -d "${TMPDIR:-/tmp}/zorvane-wine.XXXXXX")
export WINEPREFIX=$wine_work/prefix WINELOADER=$wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

end_wine_prefix() {
  "$wineserver" -k >/dev/null 2>&1
  "$wineserver" -w >/dev/null 2>&1
  rm -rf "$wine_work"
}
trap end_wine_prefix EXIT
trap 'exit 130' INT TERM

mkdir -p "$WINEPREFIX"
"$wineserver" -p
if ! "$wine" wineboot -i >"$wine_work/wineboot.log" 2>&1; then
  echo "wineboot failed:"
  cat "$wine_work/wineboot.log"
  exit 1
fi

# The Windows name of a file, through the drive Z: that Wine maps to /.
windows_path() {
  local path
  path=$(realpath "$1")
  printf 'Z:%s' "${path//\//\\}"
}
