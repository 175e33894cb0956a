#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The message catalogues in po/: the template that English is, po/ombrix.pot, extracted from
# every Tr, TrN and Msg of the C++ by xgettext, and one PO file a translation.
#
# Usage: scripts/catalogues.sh update   extracts the template again and merges it into each
#                                       translation (msgmerge), for a translator to go on from
#        scripts/catalogues.sh check    fails when the template is not what the code says, or a
#                                       translation fails msgfmt --check, lacks a message of
#                                       the template or has a fuzzy one (msgcmp), or names
#                                       other placeholders than its message (as the build does)
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
template=po/ombrix.pot
mapfile -t languages < <(grep -v '^#' po/LINGUAS)

extract() {
  local -a sources
  mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- \
    'src/*.cpp' 'src/*.h' 'app/*.cpp' 'web/module/*.cpp' | LC_ALL=C sort)
  # Locations by file alone, so that the template changes with the messages, not their lines.
  local -a options=(--from-code=UTF-8 --add-location=file --package-name=Ombrix
    --msgid-bugs-address=maintainers@users.noreply.c-seed-df3c0d20.example)
  local code entries
  code="$(mktemp)" entries="$(mktemp)"
  xgettext "${options[@]}" --language=C++ --keyword --keyword=Tr:1 --keyword=TrN:1,2 \
    --keyword=Msg:1 --add-comments=TRANSLATORS: --output="$code" "${sources[@]}"
  # The menu entry's and the AppStream data's words, by xgettext's own rules for them.
  xgettext "${options[@]}" --output="$entries" packaging/org.ombrix.Ombrix.desktop \
    packaging/org.ombrix.Ombrix.metainfo.xml
  # All ASCII, they leave the charset unnamed, which msgcat refuses.
  sed -i 's/charset=CHARSET/charset=UTF-8/' "$entries"
  msgcat --use-first --add-location=file "$code" "$entries" | sed '/^"POT-Creation-Date: /d'
  rm -f "$code" "$entries"
}

case "${1:-}" in
  update)
    extract >"$template"
    for language in "${languages[@]}"; do
      po="po/$language.po"
      msgmerge --quiet --update --backup=none --add-location=file "$po" "$template"
    done
    printf 'catalogues: %s messages in %s\n' "$(grep -c '^msgid ' "$template")" "$template"
    ;;
  check)
    if ! diff -u "$template" <(extract) >&2; then
      echo "catalogues: $template is not what the code says: run scripts/catalogues.sh update" >&2
      exit 1
    fi
    count=0
    for language in "${languages[@]}"; do
      po="po/$language.po"
      msgfmt --check --output-file=/dev/null "$po"
      msgcmp "$po" "$template"
      # Its placeholders, plural forms and rule, as the build takes them.
      /usr/bin/python3 tools/catalogue_source.py catalogue "$po" "$language" /dev/null
      count=$((count + 1))
    done
    printf 'catalogues: the template is current, %d translations complete\n' "$count"
    ;;
  *)
    sed -n '3,13p' "$0" >&2
    exit 2
    ;;
esac
