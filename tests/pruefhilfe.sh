# Shared by the shell tests; sourced. `pruefe` runs one check and counts it;
# `arbeitsordner_mit_demo` makes a scratch working folder with a copy of the
# sample settings and an "ini.txt" naming it. On exit the folder is removed
# and the processes in TOOL_PID, XVFB_PID and STARTER_PID are ended.

bestanden=0
gescheitert=0
pruefe() { # name, then the command that must succeed
  local name=$1
  shift
  if "$@"; then
    echo "ok: $name"
    bestanden=$((bestanden + 1))
  else
    echo "FEHLER: $name"
    gescheitert=$((gescheitert + 1))
  fi
}

aufraeumen() {
  local pid
  for pid in ${TOOL_PID:-} ${XVFB_PID:-} ${STARTER_PID:-}; do
    kill "$pid" 2>/dev/null || true
  done
  [ -n "${arbeit:-}" ] && rm -rf "$arbeit"
  return 0
}

arbeitsordner_mit_demo() { # the sample folder
  arbeit=$(mktemp -d)
  trap aufraeumen EXIT
  cp -r "$1" "$arbeit/einstellungen"
  printf '%s/' "$arbeit/einstellungen" >"$arbeit/ini.txt"
}
