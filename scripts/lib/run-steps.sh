# The steps of scripts/run that its test (tests/scripts) runs on their own:
# asking the build for a target, and writing and registering the desktop
# entry that makes "tidewellmac://" links reach this build. Sourced; bash.

# Whether the build in folder $1 has a target named $2. The whole listing
# is read before it is searched: a reader that stops at the first match
# (grep -q) leaves the listing's writer with a closed pipe, and under
# pipefail its failure becomes the answer.
build_has_target() {
  local listing
  listing=$(cmake --build "$1" --target help 2>/dev/null) || return 1
  [[ $'\n'"$listing" == *$'\n'"$2:"* ]]
}

# $1 written as a value of type string in a desktop entry: backslash,
# newline, tab and carriage return escaped.
desktop_string() {
  local value=${1//\\/\\\\}
  value=${value//$'\n'/\\n}
  value=${value//$'\t'/\\t}
  value=${value//$'\r'/\\r}
  printf '%s' "$value"
}

# $1 as one argument of an Exec value. Quoted only when it holds a reserved
# character, as the desktop entry specification asks: a launcher that reads
# Exec by itself (xdg-open outside a known desktop) takes quotes for part of
# the program's name. Inside quotes ", `, $ and \ get a backslash; % is
# always doubled, since a lone one starts a field code.
desktop_exec_argument() {
  local argument=${1//%/%%}
  local reserved=$' \t\n"\'\\><~|&;$*?#`()'
  if [[ $argument == *["$reserved"]* ]]; then
    argument=${argument//\\/\\\\}
    argument=${argument//\"/\\\"}
    argument=${argument//\`/\\\`}
    argument=${argument//\$/\\\$}
    argument="\"$argument\""
  fi
  desktop_string "$argument"
}

# Writes the entry template $1 to $4 with Exec starting program $2 with the
# link (%u) and Icon at file $3. Written beside the target and moved into
# place, so a reader never sees half an entry.
write_desktop_entry() {
  local template=$1 program=$2 icon=$3 entry=$4 line
  {
    while IFS= read -r line || [ -n "$line" ]; do
      case $line in
        Exec=*) printf 'Exec=%s %%u\n' "$(desktop_exec_argument "$program")" ;;
        Icon=*) printf 'Icon=%s\n' "$(desktop_string "$icon")" ;;
        *) printf '%s\n' "$line" ;;
      esac
    done <"$template"
  } >"$entry.new"
  mv "$entry.new" "$entry"
}

# Makes entry file $2 (in applications folder $1) the handler of
# "tidewellmac://" links: the folder's desktop database is refreshed and the
# entry named the scheme's default, where the tools for it are installed.
register_link_handler() {
  local apps=$1 name
  name=$(basename "$2")
  if command -v update-desktop-database >/dev/null 2>&1; then
    update-desktop-database "$apps" >/dev/null 2>&1 || true
  fi
  if command -v xdg-mime >/dev/null 2>&1; then
    xdg-mime default "$name" x-scheme-handler/tidewellmac >/dev/null 2>&1 || true
  fi
}
