#!/usr/bin/env bash
# Runs the steps of scripts/run (scripts/lib/run-steps.sh) in a machine of
# their own: HOME, the XDG folders and the desktop's applications all lie in
# a temporary folder, so the user's own entries and defaults are never read
# or written.
#   run-steps-test.sh CASE
#     target-check     the build's target check, over a fake cmake
#     exec-line        the Exec and Icon lines written for awkward paths
#     entry-validates  the written entries pass desktop-file-validate
#     link-opens       gio open and xdg-open start the registered handler
#                      with the link
#     install-refresh  cmake --install's refresh of the desktop database
# Exits 0 when the case holds, 1 when it fails, 77 when a tool it needs is
# not installed (ctest counts that as skipped).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source=../../scripts/lib/run-steps.sh
source "$repo/scripts/lib/run-steps.sh"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp/home"
export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache"
export XDG_DATA_DIRS="$tmp/system/share" XDG_CONFIG_DIRS="$tmp/system/etc"
export XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_DIRS" "$XDG_CONFIG_DIRS"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# No session bus: nothing asks the real desktop for anything.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$tmp/no-bus"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION GNOME_DESKTOP_SESSION_ID KDE_FULL_SESSION BROWSER

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

skip() {
  echo "SKIP: $*" >&2
  exit 77
}

needs() {
  local tool
  for tool; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/setup installs it)"
  done
}

# A cmake whose "--build DIR --target help" lists targets the way Ninja
# does: FAKE_TARGETS first, then FAKE_TAIL filler lines (far more than a
# pipe holds), then FAKE_LAST; FAKE_STATUS is its exit status.
fake_cmake() {
  mkdir -p "$tmp/bin"
  cat >"$tmp/bin/cmake" <<'EOF'
#!/usr/bin/env bash
[ "$1 $3 $4" = "--build --target help" ] || exit 2
[ "${FAKE_STATUS:-0}" = 0 ] || exit "$FAKE_STATUS"
echo "[1/1] All primary targets available:"
for t in $FAKE_TARGETS; do echo "$t: phony"; done
for ((i = 0; i < ${FAKE_TAIL:-0}; i++)); do echo "filler_target_$i: phony"; done
for t in $FAKE_LAST; do echo "$t: phony"; done
EOF
  chmod +x "$tmp/bin/cmake"
}

case_target_check() {
  fake_cmake
  export PATH="$tmp/bin:$PATH"
  # Under the same shell options as scripts/run.
  set -o pipefail
  local rows=(
    # expected | first targets | filler lines | last targets | status | what
    "yes|intro_video tidewell-mac|5000||0|listed early, before a long listing"
    "yes|tidewell-mac|5000|intro_video|0|listed last"
    "yes|intro_video|0||0|a short listing"
    "no|intro_video_frames intro|5000|xintro_video|0|only names that contain it"
    "no|tidewell-mac|5000||0|not listed"
    "no|intro_video|0||1|cmake fails (no build folder)"
  )
  local row expected first tail last status what round answer
  for row in "${rows[@]}"; do
    IFS='|' read -r expected first tail last status what <<<"$row"
    # The same answer every time, however the two ends of a pipe are scheduled.
    for round in 1 2 3 4; do
      if FAKE_TARGETS=$first FAKE_TAIL=$tail FAKE_LAST=$last FAKE_STATUS=$status \
        build_has_target "$tmp/build" intro_video; then
        answer=yes
      else
        answer=no
      fi
      if [ "$answer" != "$expected" ]; then
        fail "target check, $what: answered $answer in round $round"
        break
      fi
    done
  done
}

# Program paths that need no quoting, and ones that do, with the Exec line
# each must give.
exec_rows=(
  '/opt/tidewell/build/app/tidewell-mac|Exec=/opt/tidewell/build/app/tidewell-mac %u'
  '/work/h_1.0/build+x/app/tidewell-mac|Exec=/work/h_1.0/build+x/app/tidewell-mac %u'
  '/home/ann/my builds/tidewell-mac|Exec="/home/ann/my builds/tidewell-mac" %u'
  '/srv/50%/tidewell-mac|Exec=/srv/50%%/tidewell-mac %u'
  '/srv/50% off/tidewell-mac|Exec="/srv/50%% off/tidewell-mac" %u'
  '/srv/a$b/tidewell-mac|Exec="/srv/a\\$b/tidewell-mac" %u'
  '/srv/say "hi"/tidewell-mac|Exec="/srv/say \\"hi\\"/tidewell-mac" %u'
  '/srv/back\slash/tidewell-mac|Exec="/srv/back\\\\slash/tidewell-mac" %u'
  '/srv/tick`s/tidewell-mac|Exec="/srv/tick\\`s/tidewell-mac" %u'
  "/srv/it's/tidewell-mac|Exec=\"/srv/it's/tidewell-mac\" %u"
  '/srv/a&b;c/tidewell-mac|Exec="/srv/a&b;c/tidewell-mac" %u'
  '/srv/~me/(x)/tidewell-mac|Exec="/srv/~me/(x)/tidewell-mac" %u'
  '/srv/é/tidewell-mac|Exec=/srv/é/tidewell-mac %u'
)

case_exec_line() {
  local row program expected entry="$tmp/entry.desktop" lines
  for row in "${exec_rows[@]}"; do
    program=${row%%|*}
    expected=${row#*|}
    write_desktop_entry "$repo/app/tidewell-mac.desktop" "$program" "/srv/my icons/mark.svg" "$entry"
    lines=$(grep -c "^Exec=" "$entry" || true)
    [ "$lines" = 1 ] || fail "$program: $lines Exec lines"
    [ "$(grep '^Exec=' "$entry")" = "$expected" ] ||
      fail "$program: wrote '$(grep '^Exec=' "$entry")', expected '$expected'"
    [ "$(grep '^Icon=' "$entry")" = "Icon=/srv/my icons/mark.svg" ] || fail "$program: Icon line"
    # Everything else is the template's.
    diff <(grep -v '^\(Exec\|Icon\)=' "$repo/app/tidewell-mac.desktop") \
      <(grep -v '^\(Exec\|Icon\)=' "$entry") >/dev/null || fail "$program: other lines changed"
    [ ! -e "$entry.new" ] || fail "$program: left $entry.new behind"
  done
}

case_entry_validates() {
  needs desktop-file-validate
  local row program entry="$tmp/tidewell-mac.desktop" report
  for row in "${exec_rows[@]}"; do
    program=${row%%|*}
    write_desktop_entry "$repo/app/tidewell-mac.desktop" "$program" "$repo/resources/Logos/logo-mark.svg" "$entry"
    report=$(desktop-file-validate "$entry" 2>&1) || fail "$program: $report"
    # Hints are fine; errors and warnings are not.
    if grep -qE 'error:|warning:' <<<"$report"; then fail "$program: $report"; fi
  done
}

# A stand-in for the program: notes the arguments it was started with.
fake_handler() {
  mkdir -p "$(dirname "$1")"
  cat >"$1" <<'EOF'
#!/usr/bin/env bash
printf '%s\n' "$@" >"$HANDLER_LOG.new"
mv "$HANDLER_LOG.new" "$HANDLER_LOG"
EOF
  chmod +x "$1"
}

# Whether file $1 appears within 10 seconds.
appears() {
  local tries
  for ((tries = 0; tries < 100; tries++)); do
    [ -e "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

case_link_opens() {
  needs update-desktop-database xdg-mime
  local launchers=()
  command -v gio >/dev/null 2>&1 && launchers+=(gio)
  command -v xdg-open >/dev/null 2>&1 && launchers+=(xdg-open)
  [ ${#launchers[@]} -gt 0 ] || skip "neither gio nor xdg-open is installed"
  command -v xdg-open >/dev/null 2>&1 || echo "note: xdg-open is not installed; only gio is tried" >&2

  # gio stays with local files and asks no volume monitor or bus.
  export GIO_USE_VFS=local GIO_USE_VOLUME_MONITOR=unix
  # xdg-open outside a known desktop reads the entry by itself; it only
  # looks at whether a display is named, and never opens one here.
  export XDG_CURRENT_DESKTOP=X-Generic DISPLAY=:99

  local apps="$XDG_DATA_HOME/applications" entry program launcher
  mkdir -p "$apps"
  entry="$apps/tidewell-mac.desktop"
  # xdg-open's own reading of Exec splits at the first space, so a program
  # under a folder with a space in its name is left to gio.
  local rows=("$tmp/plain/app/tidewell-mac|gio xdg-open" "$tmp/a build folder/app/tidewell-mac|gio")
  local row wanted
  for row in "${rows[@]}"; do
    program=${row%%|*}
    wanted=${row#*|}
    fake_handler "$program"
    write_desktop_entry "$repo/app/tidewell-mac.desktop" "$program" "$repo/resources/Logos/logo-mark.svg" "$entry"
    register_link_handler "$apps" "$entry"
    grep -q 'x-scheme-handler/tidewellmac=tidewell-mac.desktop' "$apps/mimeinfo.cache" ||
      fail "$program: the desktop database does not list the entry"
    [ "$(xdg-mime query default x-scheme-handler/tidewellmac)" = tidewell-mac.desktop ] ||
      fail "$program: the entry is not the scheme's default"
    for launcher in "${launchers[@]}"; do
      [[ " $wanted " == *" $launcher "* ]] || continue
      export HANDLER_LOG="$tmp/started-by-$launcher"
      rm -f "$HANDLER_LOG"
      case $launcher in
        gio) gio open "tidewellmac://scan" >"$tmp/launcher.out" 2>&1 || true ;;
        xdg-open) xdg-open "tidewellmac://scan" >"$tmp/launcher.out" 2>&1 || true ;;
      esac
      if ! appears "$HANDLER_LOG"; then
        fail "$launcher did not start '$program': $(cat "$tmp/launcher.out")"
        continue
      fi
      [ "$(cat "$HANDLER_LOG")" = "tidewellmac://scan" ] ||
        fail "$launcher started '$program' with '$(cat "$HANDLER_LOG")'"
    done
  done
}

case_install_refresh() {
  needs cmake update-desktop-database
  local prefix="$tmp/prefix" cache
  mkdir -p "$prefix/share/applications"
  cp "$repo/app/tidewell-mac.desktop" "$prefix/share/applications/"
  cache="$prefix/share/applications/mimeinfo.cache"
  cmake -DCMAKE_INSTALL_PREFIX="$prefix" -P "$repo/cmake/RefreshDesktopDatabase.cmake" >/dev/null
  grep -q 'x-scheme-handler/tidewellmac=tidewell-mac.desktop' "$cache" 2>/dev/null ||
    fail "the installed applications folder has no desktop database naming the entry"
  # A staged install leaves the database to the package.
  rm -f "$cache"
  DESTDIR="$tmp/stage" cmake -DCMAKE_INSTALL_PREFIX="$prefix" -P "$repo/cmake/RefreshDesktopDatabase.cmake" >/dev/null
  [ ! -e "$cache" ] || fail "a staged install refreshed the database of the prefix"
}

case ${1:-} in
  target-check) case_target_check ;;
  exec-line) case_exec_line ;;
  entry-validates) case_entry_validates ;;
  link-opens) case_link_opens ;;
  install-refresh) case_install_refresh ;;
  *)
    echo "usage: $0 target-check|exec-line|entry-validates|link-opens|install-refresh" >&2
    exit 2
    ;;
esac
[ "$failures" -eq 0 ] || exit 1
echo "ok: $1"
