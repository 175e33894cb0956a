#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns the message catalogues into C++ that both editions compile in.

  catalogue_source.py catalogue PO LANGUAGE OUT.cpp   one language's Catalogue, kCatalogue_<tag>
  catalogue_source.py pseudo POT OUT.po                the test language: every text marked
  catalogue_source.py list OUT.cpp LANGUAGE...         BuiltCatalogues(), in this order

The template (po/ombrix.pot) is English's catalogue: its messages are their own words. A PO
file is refused when a translation names other placeholders than its message, when it is
fuzzy, or when its plural rule is more than a C expression in n.
"""

import re
import sys

import polib

PLACEHOLDER = re.compile(r"\{([A-Za-z_][A-Za-z0-9_]*)\}")
PLURAL_RULE = re.compile(r"nplurals\s*=\s*(\d+)\s*;\s*plural\s*=\s*([^;]+);?")
# What a plural rule may hold: n, numbers, and C's operators; nothing that could run code.
PLURAL_EXPRESSION = re.compile(r"^[n0-9\s()?:<>=!&|%+*/-]+$")
ENGLISH_RULE = (2, "n != 1")


def fail(message):
    sys.exit(f"catalogue_source: {message}")


def ident(language):
    return re.sub(r"[^A-Za-z0-9]", "_", language)


def cpp_string(text):
    """A C++ literal of `text`, in UTF-8, split after each line feed for reading."""
    escaped = []
    for char in text:
        if char == "\\" or char == '"':
            escaped.append("\\" + char)
        elif char == "\n":
            escaped.append('\\n"\n      "')
        elif char == "\t":
            escaped.append("\\t")
        elif ord(char) < 0x20:
            escaped.append(f"\\x{ord(char):02x}\"\"")
        else:
            escaped.append(char)
    return '"' + "".join(escaped) + '"'


def plural_rule(catalogue, path):
    header = catalogue.metadata.get("Plural-Forms", "")
    match = PLURAL_RULE.search(header)
    if not match or "INTEGER" in header:
        return ENGLISH_RULE
    count, expression = int(match.group(1)), match.group(2).strip()
    if not PLURAL_EXPRESSION.match(expression):
        fail(f"{path}: the plural rule {expression!r} is not a C expression in n")
    return count, expression


def checked_forms(entry, plurals, path):
    """The translations of `entry`, or none when it is English's own or not translated."""
    if entry.msgid_plural:
        forms = [entry.msgstr_plural.get(i, "") for i in range(plurals)]
    else:
        forms = [entry.msgstr]
    if not any(forms):
        return []
    if "fuzzy" in entry.flags:
        fail(f"{path}:{entry.linenum}: fuzzy translation of {entry.msgid!r}")
    if not all(forms):
        fail(f"{path}:{entry.linenum}: {entry.msgid!r} lacks a plural form")
    wanted = set(PLACEHOLDER.findall(entry.msgid))
    for form in forms:
        if set(PLACEHOLDER.findall(form)) != wanted:
            fail(f"{path}:{entry.linenum}: {form!r} names other placeholders than "
                 f"{entry.msgid!r}")
    return forms


def write_catalogue(path, language, out):
    catalogue = polib.pofile(path)
    plurals, expression = plural_rule(catalogue, path)
    entries = sorted((e for e in catalogue if e.msgid and not e.obsolete),
                     key=lambda e: e.msgid.encode())
    name = ident(language)
    lines = [
        "// Made by tools/catalogue_source.py from " + path.split("/")[-1] + ": do not edit.",
        '#include "catalogue.h"', "", "namespace ombrix {", "namespace {", "",
    ]
    rows = []
    for number, entry in enumerate(entries):
        forms = checked_forms(entry, plurals, path)
        if forms:
            lines.append(f"constexpr std::string_view kForms{number}[] = {{")
            lines += [f"    {cpp_string(form)}," for form in forms]
            lines.append("};")
        rows.append(f"    {{{cpp_string(entry.msgid)}, {cpp_string(entry.msgid_plural or '')}, "
                    f"{'kForms' + str(number) if forms else '{}'}}},")
    lines += ["", "constexpr CatalogueEntry kEntries[] = {"] + rows + ["};", ""]
    lines += [
        "int PluralForm([[maybe_unused]] unsigned long n) {",
        f"  return static_cast<int>({expression});",
        "}", "", "}  // namespace", "",
        f"extern const Catalogue kCatalogue_{name};",
        f'constexpr Catalogue kCatalogue_{name}{{"{language}", kEntries, &PluralForm}};',
        "", "}  // namespace ombrix", "",
    ]
    with open(out, "w", encoding="utf-8") as file:
        file.write("\n".join(lines))


# The test language lengthens every text by half again and marks each line of it, so that a
# word the catalogue did not give stands out, and so does a control too narrow for a longer one.
ACCENTED = str.maketrans("aeiouAEIOUcnsyCNSY", "áéíóúÁÉÍÓÚçñšýÇÑŠÝ")
PSEUDO_OPEN, PSEUDO_CLOSE = "⟦", "⟧"


def pseudo_line(line):
    if not line.strip():
        return line
    parts = re.split(r"(\{[A-Za-z_][A-Za-z0-9_]*\})", line)
    text = "".join(part if PLACEHOLDER.fullmatch(part) else
                   re.sub(r"([aeiouAEIOU])", r"\1\1", part).translate(ACCENTED)
                   for part in parts)
    return PSEUDO_OPEN + text + PSEUDO_CLOSE


def pseudo(text):
    return "\n".join(pseudo_line(line) for line in text.split("\n"))


def write_pseudo(path, out):
    catalogue = polib.pofile(path)
    catalogue.metadata["Language"] = "en-XA"
    catalogue.metadata["PO-Revision-Date"] = "2026-01-01 00:00+0000"
    catalogue.metadata["Last-Translator"] = "tools/catalogue_source.py"
    catalogue.metadata["Language-Team"] = "the tests"
    catalogue.metadata_is_fuzzy = False
    catalogue.metadata["Content-Type"] = "text/plain; charset=UTF-8"
    catalogue.metadata["Plural-Forms"] = "nplurals=2; plural=(n != 1);"
    for entry in catalogue:
        if entry.msgid_plural:
            entry.msgstr_plural = {0: pseudo(entry.msgid), 1: pseudo(entry.msgid_plural)}
        else:
            entry.msgstr = pseudo(entry.msgid)
    catalogue.save(out)


def write_list(out, languages):
    names = [ident(language) for language in languages]
    lines = ["// Made by tools/catalogue_source.py: do not edit.", '#include "catalogue.h"', "",
             "namespace ombrix {", ""]
    lines += [f"extern const Catalogue kCatalogue_{name};" for name in names]
    lines += ["", "std::span<const Catalogue* const> BuiltCatalogues() {",
              "  static constexpr const Catalogue* kBuilt[] = {" +
              ", ".join(f"&kCatalogue_{name}" for name in names) + "};",
              "  return kBuilt;", "}", "", "}  // namespace ombrix", ""]
    with open(out, "w", encoding="utf-8") as file:
        file.write("\n".join(lines))


def main(argv):
    if len(argv) == 5 and argv[1] == "catalogue":
        write_catalogue(argv[2], argv[3], argv[4])
    elif len(argv) == 4 and argv[1] == "pseudo":
        write_pseudo(argv[2], argv[3])
    elif len(argv) >= 4 and argv[1] == "list":
        write_list(argv[2], argv[3:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
