# Reading the INI files the game leaves behind, for the end-to-end scripts and the Windows smoke
# test. Section and key names match without regard to case, as in the game.

# ini_get FILE SECTION KEY: the value of KEY in SECTION, empty if absent.
ini_get() {
  tr -d '\r' <"$1" | awk -v s="$2" -v k="$3" '
    /^\[/ { sec = tolower($0); gsub(/^\[[ \t]*|[ \t]*\][ \t]*$/, "", sec); next }
    sec == tolower(s) && index($0, "=") {
      key = substr($0, 1, index($0, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", key)
      if (tolower(key) == tolower(k)) { v = substr($0, index($0, "=") + 1); gsub(/^[ \t]+|[ \t]+$/, "", v); print v; exit }
    }'
}

# section_keys FILE SECTION: the keys of SECTION, one a line, in file order.
section_keys() {
  tr -d '\r' <"$1" | awk -v s="$2" '
    /^\[/ { sec = tolower($0); gsub(/^\[[ \t]*|[ \t]*\][ \t]*$/, "", sec); next }
    sec == tolower(s) && index($0, "=") { key = substr($0, 1, index($0, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", key); print key }'
}
