#!/usr/bin/env python3
"""Checks the translated string tables against the English one.

usage: python3 tools/strings_check.py [--only LANG[,LANG]] [STRINGS_DIR]

STRINGS_DIR defaults to resources/strings; the language list is read from
languages.txt next to it. Prints one line per problem and a summary, and
exits 1 when there is any problem.
"""

import argparse
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import strings_format as sf  # noqa: E402

REFERENCE_LANG = "en"
SEPARATOR_NUMBER = 3500
SEPARATOR_TEXT = ", "
PLACEHOLDER = "%s"


def _ranges(*spans):
    return {n for first, last in spans for n in range(first, last + 1)}


# The string numbers the library loads, and the ones that are deliberately empty.
EXPECTED_NUMBERS = _ranges((1000, 1184), (1500, 1549), (2000, 2184), (2500, 2549),
                           (3000, 3027), (3500, 3500), (4000, 4010),
                           (5000, 5005), (5020, 5025))
EXPECTED_EMPTY = {1500, 2165, 2171, 2176, 2177, 2500}

# Any '%' that does not start "%s" (including the '%' of "%%").
STRAY_PERCENT = re.compile(r"%(?!s)")


def check_reference(strings):
    problems = []
    missing = sorted(EXPECTED_NUMBERS - strings.keys())
    extra = sorted(strings.keys() - EXPECTED_NUMBERS)
    if missing:
        problems.append(f"{REFERENCE_LANG}: missing string numbers {_compact(missing)}")
    if extra:
        problems.append(f"{REFERENCE_LANG}: unexpected string numbers {_compact(extra)}")
    empty = {n for n, text in strings.items() if text == ""}
    if empty != EXPECTED_EMPTY:
        problems.append(f"{REFERENCE_LANG}: empty strings are {_compact(sorted(empty))}, "
                        f"expected {_compact(sorted(EXPECTED_EMPTY))}")
    return problems


def check_against_reference(lang, strings, reference):
    problems = []
    missing = sorted(reference.keys() - strings.keys())
    extra = sorted(strings.keys() - reference.keys())
    if missing:
        problems.append(f"{lang}: missing string numbers {_compact(missing)}")
    if extra:
        problems.append(f"{lang}: string numbers not in {REFERENCE_LANG}: {_compact(extra)}")
    for number in sorted(strings.keys() & reference.keys()):
        problems += _compare_string(lang, number, strings[number], reference[number])
    return problems


def _compare_string(lang, number, text, english):
    where = f"{lang}: {number}"
    if english == "" and text != "":
        return [f"{where}: must be empty as in {REFERENCE_LANG}"]
    if english != "" and text == "":
        return [f"{where}: empty, but {REFERENCE_LANG} has text"]
    problems = []
    if text.count(PLACEHOLDER) != english.count(PLACEHOLDER):
        problems.append(f"{where}: has {text.count(PLACEHOLDER)} \"%s\", "
                        f"{REFERENCE_LANG} has {english.count(PLACEHOLDER)}")
    return problems


def check_own_rules(lang, strings, code_page):
    """Checks that need no comparison: '%' use, the separator, the code page."""
    problems = []
    codec = sf.CODEC_FOR_CODE_PAGE.get(code_page)
    if codec is None:
        problems.append(f"{lang}: code page {code_page} is not one the string tables use")
    for number, text in sorted(strings.items()):
        if STRAY_PERCENT.search(text):
            problems.append(f"{lang}: {number}: '%' other than \"%s\": {text!r}")
        if codec is not None:
            problems += _check_encoding(lang, number, text, codec, code_page)
    if SEPARATOR_NUMBER in strings and strings[SEPARATOR_NUMBER] != SEPARATOR_TEXT:
        problems.append(f"{lang}: {SEPARATOR_NUMBER}: must be {SEPARATOR_TEXT!r}, "
                        f"is {strings[SEPARATOR_NUMBER]!r}")
    return problems


def _check_encoding(lang, number, text, codec, code_page):
    try:
        text.encode(codec, errors="strict")
    except UnicodeEncodeError as e:
        bad = text[e.start:e.end]
        return [f"{lang}: {number}: {bad!r} (U+{ord(bad[0]):04X}) is not in code page {code_page}"]
    return []


def _compact(numbers):
    """Renders sorted numbers with runs collapsed: 1000-1184, 3500."""
    parts = []
    start = prev = None
    for n in numbers:
        if prev is not None and n == prev + 1:
            prev = n
            continue
        if start is not None:
            parts.append(_span(start, prev))
        start = prev = n
    if start is not None:
        parts.append(_span(start, prev))
    return ", ".join(parts)


def _span(first, last):
    return str(first) if first == last else f"{first}-{last}"


def _load(strings_dir, lang, problems):
    path = sf.string_file_path(strings_dir, lang)
    if not os.path.exists(path):
        problems.append(f"{lang}: file {path} is missing")
        return None
    try:
        return sf.read_strings(path)
    except (sf.FormatError, OSError) as e:
        problems.append(f"{lang}: {e}")
        return None


def check(strings_dir, only=None):
    """Returns (problems, languages checked)."""
    problems = []
    try:
        languages = sf.read_languages(sf.languages_file_path(strings_dir))
    except (sf.FormatError, OSError) as e:
        return [f"languages: {e}"], []
    code_pages = {lang: code_page for lang, _, code_page in languages}
    if REFERENCE_LANG not in code_pages:
        return [f"languages: {REFERENCE_LANG} is not listed"], []
    selected = [lang for lang, _, _ in languages]
    if only is not None:
        unknown = sorted(set(only) - set(selected))
        problems += [f"{lang}: not listed in languages.txt" for lang in unknown]
        selected = [lang for lang in selected if lang in only or lang == REFERENCE_LANG]
    reference = _load(strings_dir, REFERENCE_LANG, problems)
    if reference is None:
        return problems, selected
    problems += check_reference(reference)
    for lang in selected:
        strings = reference if lang == REFERENCE_LANG else _load(strings_dir, lang, problems)
        if strings is None:
            continue
        if lang != REFERENCE_LANG:
            problems += check_against_reference(lang, strings, reference)
        problems += check_own_rules(lang, strings, code_pages[lang])
    return problems, selected


def _parse_args(argv):
    default_dir = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                               "resources", "strings")
    parser = argparse.ArgumentParser(description="Check the string-table source files.")
    parser.add_argument("strings_dir", nargs="?", default=default_dir)
    parser.add_argument("--only", metavar="LANG[,LANG]",
                        help="check only these languages (en is always checked)")
    args = parser.parse_args(argv)
    if args.only is not None:
        args.only = {lang.strip().lower() for lang in args.only.split(",") if lang.strip()}
    return args


def main(argv=None):
    args = _parse_args(argv)
    problems, checked = check(args.strings_dir, args.only)
    for problem in problems:
        print(problem)
    status = "OK" if not problems else f"{len(problems)} problem(s)"
    print(f"strings_check: {len(checked)} language(s) checked ({', '.join(checked)}): {status}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
