#!/usr/bin/env bash
# Checks that the includes keep the layering of the source tree:
#   - src/host holds its files in the layer folders only, lowest first:
#     services, framework, stdctrls, qt. A file may include headers of its
#     own layer and of lower ones, never of a higher one, and every host
#     include names its layer folder ("host/framework/Controls.h").
#   - Nothing in src/orvo, demo or tools includes a Qt header, directly or
#     through a project header it includes.
#   - src/widgets (the Qt widgets) lies above the library and the host: it
#     may include Qt, src/orvo and the host's public headers, never a
#     host-internal one (a header that says "Only src/host and its tests
#     include this header"); nothing in src/host, src/orvo, demo or tools
#     includes a header of src/widgets.
# Usage: check-layering.sh [SOURCE_ROOT]   (default: this checkout)
# Prints one line per fault, FILE:LINE: what is wrong, and exits 1 if any.
set -uo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"

layers=(services framework stdctrls qt)
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

faults=0
fault() {
  echo "$1"
  faults=$((faults + 1))
}

# The project includes of a file: "LINE HEADER" for each #include "...".
project_includes() {
  grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$1" 2>/dev/null |
    sed -E 's/^([0-9]+):[^"]*"([^"]+)".*/\1 \2/'
}

# ---- the host's layers
while IFS= read -r file; do
  fault "$file: lies outside the layer folders of src/host (${layers[*]})"
done < <(find src/host -mindepth 1 -maxdepth 1 -type f 2>/dev/null | sort)
while IFS= read -r dir; do
  name=${dir#src/host/}
  [[ -n ${rank[$name]+x} ]] || fault "$dir: is no layer of src/host (${layers[*]})"
done < <(find src/host -mindepth 1 -maxdepth 1 -type d 2>/dev/null | sort)

while IFS= read -r file; do
  layer=${file#src/host/}
  layer=${layer%%/*}
  [[ -n ${rank[$layer]+x} ]] || continue
  while read -r line header; do
    [[ $header == host/* ]] || continue
    target=${header#host/}
    if [[ $target != */* ]]; then
      fault "$file:$line: includes \"$header\" without its layer folder"
      continue
    fi
    target=${target%%/*}
    if [[ -z ${rank[$target]+x} ]]; then
      fault "$file:$line: includes \"$header\" of no layer"
    elif ((rank[$target] > rank[$layer])); then
      fault "$file:$line: the $layer layer includes \"$header\" of the higher $target layer"
    fi
  done < <(project_includes "$file")
done < <(find src/host -mindepth 2 -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

# ---- no Qt above the host
# Where a project header is: relative to src/ (host/..., orvo/...) or to the
# including file's folder.
resolve() {
  local from=$1 header=$2
  if [[ -f src/$header ]]; then echo "src/$header"
  elif [[ -f $(dirname "$from")/$header ]]; then echo "$(dirname "$from")/$header"
  fi
}

# The first Qt include a header brings in, itself or through its includes, as
# "HEADER:LINE <QName>"; empty when none. Memoised: every file is read once.
declare -A qt_of visiting
qt_reached() {
  local file=$1
  if [[ -n ${qt_of[$file]+x} ]]; then
    REPLY=${qt_of[$file]}
    return
  fi
  visiting[$file]=1
  local found="" direct
  direct=$(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file" | head -1)
  if [[ -n $direct ]]; then
    found="$file:${direct%%:*} $(sed -E 's/.*(<[^>]+>).*/\1/' <<<"${direct#*:}")"
  else
    local line header next
    while read -r line header; do
      next=$(resolve "$file" "$header")
      [[ -n $next && -z ${visiting[$next]+x} ]] || continue
      qt_reached "$next"
      if [[ -n $REPLY ]]; then
        found=$REPLY
        break
      fi
    done < <(project_includes "$file")
  fi
  unset 'visiting[$file]'
  qt_of[$file]=$found
  REPLY=$found
}

while IFS= read -r file; do
  while IFS=: read -r line text; do
    fault "$file:$line: includes the Qt header $(sed -E 's/.*(<[^>]+>).*/\1/' <<<"$text")"
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file")
  while read -r line header; do
    next=$(resolve "$file" "$header")
    [[ -n $next ]] || continue
    qt_reached "$next"
    [[ -n $REPLY ]] && fault "$file:$line: includes \"$header\", which brings in the Qt header ${REPLY#* } (${REPLY%% *})"
  done < <(project_includes "$file")
done < <(find src/orvo demo tools -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null | sort)

# ---- the Qt widgets above everything else
while IFS= read -r file; do
  while read -r line header; do
    [[ $header == widgets/* ]] && fault "$file:$line: includes \"$header\" of the Qt widgets, a layer above it"
  done < <(project_includes "$file")
done < <(find src/host src/orvo demo tools -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null | sort)
while IFS= read -r file; do
  while read -r line header; do
    [[ $header == host/* && -f src/$header ]] || continue
    grep -q 'Only src/host and its tests include this header' "src/$header" &&
      fault "$file:$line: the Qt widgets include \"$header\", which is internal to the host"
  done < <(project_includes "$file")
done < <(find src/widgets -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null | sort)

if ((faults > 0)); then
  echo "$faults layering fault(s)"
  exit 1
fi
echo "layering holds"
