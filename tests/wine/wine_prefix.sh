# Sourced by bash scripts that run Windows programs under Wine, the 64-bit
# one unless the caller sets $wine and $wineserver first. Makes a throwaway
# prefix with a persistent server in $wine_work/prefix; on exit, every Wine
# process of that prefix is ended, the caller's after_wine_prefix runs if it
# is defined, and the folder is removed.
# Wine's services inherit the standard handles: capture output in files.
wine=${wine:-/usr/lib/wine/wine64}
wineserver=${wineserver:-/usr/lib/wine/wineserver64}
wine_work=$(mktemp -d "${TMPDIR:-/tmp}/zorvane-wine.XXXXXX")
export WINEPREFIX=$wine_work/prefix WINELOADER=$wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

end_wine_prefix() {
  "$wineserver" -k >/dev/null 2>&1
  "$wineserver" -w >/dev/null 2>&1
  if declare -F after_wine_prefix >/dev/null; then
    after_wine_prefix
  fi
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

# run_program LAUNCHER PROGRAM [ARGUMENTS...]: runs PROGRAM (a Windows path)
# through the exit-code launcher. Leaves its standard output in
# $wine_work/out, the launcher's report in $wine_work/err and the whole exit
# code in $exit_code (empty when the program did not run).
run_program() {
  "$wine" "$@" >"$wine_work/out" 2>"$wine_work/err" </dev/null
  exit_code=$(sed -n 's/^exit code: \(-\{0,1\}[0-9]*\).*/\1/p' "$wine_work/err")
}
