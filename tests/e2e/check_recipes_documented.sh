#!/usr/bin/env bash
# The recipes run by e2e_recipes are the ones the user reads: the manual
# shows every file under examples/ whole (indented by four spaces), and each
# line that the README quotes from a recipe is a line of that recipe. The
# manual and the recipes are CR LF text in plain ASCII; the manual fits 80
# columns.
set -uo pipefail
root=${1:?usage: check_recipes_documented.sh SOURCE_ROOT}
manual="$root/docs/Tovask.txt"
readme="$root/README.md"
status=0
fail() { echo "$*"; status=1; }

dos_ascii() {
  local file=$1
  if LC_ALL=C grep -q -P '[^\x00-\x7F]' "$file"; then fail "$file: not plain ASCII"; fi
  if LC_ALL=C grep -q -v $'\r$' "$file"; then fail "$file: a line does not end in CR LF"; fi
}

dos_ascii "$manual"
if tr -d '\r' <"$manual" | awk 'length > 80 { found = 1 } END { exit !found }'; then
  fail "$manual: a line is wider than 80 columns"
fi

recipes=("$root"/examples/*.cmd)
[ -e "${recipes[0]}" ] || fail "no recipes under $root/examples"
for recipe in "${recipes[@]}"; do
  dos_ascii "$recipe"
  if ! awk -v manual="$manual" '
      BEGIN { RS = "\0"; getline text < manual; gsub(/\r/, "", text) }
      { gsub(/\r/, ""); n = split($0, lines, "\n"); block = ""
        for (i = 1; i <= n; i++) if (i < n || lines[i] != "") block = block (lines[i] == "" ? "" : "    " lines[i]) "\n"
        exit !index(text, block) }' "$recipe"; then
    fail "$manual: does not show $(basename "$recipe") as it is"
  fi
done

# Each code block of the README's Recipes section quotes the recipe that the
# text before it links to.
while IFS=$'\t' read -r name line; do
  if [ -z "$name" ]; then
    fail "$readme: recipe lines without a link to their file: $line"
  elif ! tr -d '\r' <"$root/examples/$name" | grep -q -x -F -e "$line"; then
    fail "$readme: \"$line\" is not a line of examples/$name"
  fi
done < <(awk '
  /^## / { inside = ($0 == "## Recipes") }
  !inside { next }
  /^```/ { code = !code; next }
  code && $0 != "" { print name "\t" $0; next }
  match($0, /examples\/[a-z-]+\.cmd/) { name = substr($0, RSTART + 9, RLENGTH - 9) }
' "$readme")

exit $status
