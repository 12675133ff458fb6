#!/usr/bin/env bash
# Fails when a file of common/, store/ or rules/ includes more than Qt Core and those folders: a header of
# another Qt module in any spelling (<QColor>, <qcolor.h>, <QtGui/QColor>, <QtWidgets>, <qt6/QtGui/...>)
# or a header of the windows' folders. Those libraries link Qt Core alone, but Qt's root include folder
# is on their path too, so <QtGui/QColor> would build and link there. The build runs this before it
# compiles them; by hand: scripts/purecheck.sh <Qt's root include folder, the one holding QtCore/>.
set -euo pipefail
cd "$(dirname "$0")/.."
root="${1:?Qt root include folder}"
[ -d "$root/QtCore" ] || { echo "purecheck: no QtCore in $root" >&2; exit 2; }
pure=(common store rules)

# Every header name another module's folder holds and Qt Core's does not.
declare -A core=() foreign=()
for f in "$root"/QtCore/*; do core["${f##*/}"]=1; done
for dir in "$root"/Qt*/; do
  module="$(basename "$dir")"
  [ "$module" = QtCore ] && continue
  for f in "$dir"*; do
    [ -f "$f" ] || continue
    name="${f##*/}"
    [ -n "${core[$name]:-}" ] || foreign["$name"]="$module"
  done
done

# Why the name an #include gives may not be reached from the pure folders, or nothing.
verdict() {
  local name="${1#qt6/}" first
  if [[ "$name" == */* ]]; then
    first="${name%%/*}"
    if [ "$first" != QtCore ] && [ -d "$root/$first" ]; then
      echo "a $first header"
    elif [ -d "$first" ] && [[ ! " ${pure[*]} " == *" $first "* ]]; then
      echo "a header of $first/"
    fi
  elif [ -n "${foreign[$name]:-}" ]; then
    echo "a ${foreign[$name]} header"
  fi
}

status=0
while IFS= read -r -d '' file; do
  while IFS=: read -r line name; do
    why="$(verdict "$name")"
    if [ -n "$why" ]; then
      echo "$file:$line: includes $name, $why; common/, store/ and rules/ reach Qt Core alone" >&2
      status=1
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$file" \
             | sed -E 's/^([0-9]+):[^<"]*[<"]([^>"]*)[>"].*/\1:\2/' || true)
done < <(find "${pure[@]}" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
exit "$status"
