#!/bin/sh
# Includes run down the layers only: app -> window -> calc -> framework -> Qt. A file of a layer
# includes the project's headers from its own folder and the folders below it, named from the
# source root ("calc/calculate.h"); only framework/ includes Qt; no include anywhere runs through
# "..". Prints every include that breaks the rule and fails if there is one.
#   tests/layers.sh [SOURCE_ROOT]
cd "${1:-$(dirname "$0")/..}" || exit 2
find app window calc framework tests bench fuzz 2>/dev/null -name '*.cpp' -o -name '*.h' | sort | xargs awk '
BEGIN {
  rank["framework"] = 1; rank["calc"] = 2; rank["window"] = 3; rank["app"] = 4
}
FNR == 1 { layer = substr(FILENAME, 1, index(FILENAME, "/") - 1); own = rank[layer] + 0 }
/^[ \t]*#[ \t]*include/ {
  if (match($0, /"[^"]*"/)) { path = substr($0, RSTART + 1, RLENGTH - 2); quoted = 1 }
  else if (match($0, /<[^>]*>/)) { path = substr($0, RSTART + 1, RLENGTH - 2); quoted = 0 }
  else next
  why = ""
  if (index(path, "..")) why = "runs through \"..\""
  else if (own && quoted && index(path, "/")) {
    top = substr(path, 1, index(path, "/") - 1)
    if (!(top in rank)) why = "reaches " top "/, outside the layers"
    else if (rank[top] > own) why = "runs up from " layer "/ to " top "/"
  } else if (own > 1 && !quoted && path ~ /^Q/) why = "includes Qt above framework/"
  if (why != "") { print FILENAME ":" FNR ": " $0 "  (" why ")"; broken++ }
}
END {
  if (broken) {
    print broken " include(s) break the layer rule: includes run down only, app -> window -> calc" \
      " -> framework -> Qt; only framework/ includes Qt; no include runs through \"..\"."
    exit 1
  }
}'
