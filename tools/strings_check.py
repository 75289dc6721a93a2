#!/usr/bin/env python3
"""Checks the translated string tables against the English one.

usage: python3 tools/strings_check.py [--only LANG[,LANG]] [--host-words WORDS_DIR] [STRINGS_DIR]

STRINGS_DIR defaults to resources/strings; the language list is read from
languages.txt next to it. Prints one line per problem and a summary, and
exits 1 when there is any problem.

Besides numbers, empty strings, "%s" and the code page, a translation must
keep what a reader relies on: one English text translated one way within a
language, the line breaks of the English, the Front Cover label as that
language names the Front Cover, every long text with the longest part list
inside the status text limit, and the script rules of its language.

--host-words checks the reference host's own words (host/words) the same
way, where they apply, and holds them to the library's wording of the same
English: a term both use (media names, tray roles, bin states, the engine
status) is spelled alike, and no media or tray name reads as the library's
status text for a fault.
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
LINE_BREAK = "\n"

# The long texts, and the limits the library composes them in: a status text
# of at most 511 bytes in the language's code page, holding a part list of at
# most 255 bytes in place of "%s" (a list that would not fit is left out).
LONG_TEXT_NUMBERS = _ranges((2000, 2184), (2500, 2549))
PART_NAME_NUMBERS = _ranges((3000, 3027))
STATUS_TEXT_LIMIT = 511
PART_LIST_LIMIT = 255

# English texts that differ in wording only, and may share a translation;
# any other two different English texts must read differently.
SAME_MEANING = [(2156, 2169)]  # "Open ..., and then remove" / "Please open ..., and remove"

# English ends some texts with "Front Cover:%s"; each language writes its own
# Front Cover name (string 3013) and its own way of following a label.
FRONT_COVER_NUMBER = 3013
ENGLISH_LABEL_COLON = ":"
LABEL_COLON = {"fr": "\u00a0: ", "jp": "\uff1a", "zh_cn": "\uff1a", "zh_tw": "\uff1a"}

# French sets a no-break space before these marks, and a space or a line
# break after a colon.
FRENCH_SPACED_MARKS = ":;!?"
NO_BREAK_SPACE = "\u00a0"

# Japanese keeps to full-width kana and half-width Latin letters and digits;
# of the full-width forms of ASCII only its own punctuation is written so.
HALF_WIDTH_KATAKANA = range(0xFF61, 0xFFA0)
FULL_WIDTH_ASCII = range(0xFF01, 0xFF5F)
JAPANESE_FULL_WIDTH_PUNCTUATION = "\uff08\uff09\uff1a\uff01\uff1f"  # （）：！？

# Chinese texts keep to the national character sets, narrower than their
# code pages, so that every reader's fonts and converters show them.
NATIONAL_CHARSETS = {"zh_cn": "gb2312", "zh_tw": "big5"}

# Terms the host's words share with the library's messages (or with the
# host's other words): each row is a host word and the strings whose text
# must hold its term, so that the report and the status texts name one
# thing alike.
SHARED_TERMS = [
    (12001, (12018,)),                       # Plain: Plain (duplex back side)
    (12005, (12040, 12041)),                 # Special: Special 2, Special 3
    (12006, (12017, 12019, 12039, 12042)),   # Thick: Thick 2, ..., Middle thick
    (12024, (12025, 12037)),                 # Postcard: its back side, Inkjet postcard
    (12036, (11079, 11080, 11081, 11082, 11083)),  # Envelope: the envelope sizes
    (13000, (2000,)),                        # output bin ready: "Ready"
    (13002, (1128,)),                        # output bin full: "Output Tray Full"
    (15027, (15042,)),                       # Engine status: "no engine status was reported"
    (15072, (2090,)),                        # slip sheet print tray: "Designated Slip Sheet"
    (15073, (1090, 2090)),                   # chapter print tray: "Chaptering"
    (15080, (3000, 5000)),                   # tray: "Tray 1"
    (15081, (1128,)),                        # output bin: "Output Tray Full"
    (15083, (1098,)),                        # paper size: "Paper Size Mismatch"
    (15084, (1092,)),                        # media: "Paper Type Mismatch"
]

# The term of a row is its whole host word, in any case, unless a language
# has a stem here: a tray role names its term among other words, and an
# inflecting language writes one stem with different endings. None: the
# language words the two with no term in common, by its own convention.
TERM_STEMS = {
    12006: {"it": "spess", "pl": "grub", "jp": "厚"},
    13000: {"it": "pront", "sv": "klar", "no": "klar", "cs": "připraven", "pt": "pront",
            "pl": "gotow", "jp": None},  # Japanese: "準備完了" beside "印刷できます"
    15027: {"hu": "nyomtatómű állapot", "pl": "mechanizm"},
    15072: {"en": "slip sheet", "de": "Trennbl", "fr": "intercalaires", "it": "fogli divisori",
            "es": "hojas separadoras", "nl": "tussenbladen", "sv": "mellanblad", "da": "mellemark",
            "no": "skilleark", "cs": "prokládací", "hu": "elválasztólap", "pt": "folhas separadoras",
            "pl": "przekład", "fi": "välileh", "jp": "合紙", "zh_cn": "插页", "zh_tw": "插頁"},
    15073: {"en": "chapter", "de": "Kapitel", "fr": "chapitr", "it": "capitol", "es": "capítulo",
            "nl": "hoofdstuk", "sv": "kapitel", "da": "kapit", "no": "kapit", "cs": "kapitol",
            "hu": "fejezet", "pt": "capítulo", "pl": "rozdzia", "fi": "luku", "jp": "章分け",
            "zh_cn": "章节", "zh_tw": "章節"},
    15081: {"en": "output"},  # English says "bin" in the report, "tray" in the texts
    15083: {"fr": "format", "pt": "tamanho"},
    15084: {"en": None, "it": "tipo"},  # English: "media" beside "Paper Type"
}

# The library's status texts for a fault (jams and errors), and the names
# that must never read as one: a tray loaded with a media named like a jam
# reads as jammed.
FAULT_STATUS_NUMBERS = (1075, 1090, 1091, 1123, 1156, 1163, 1169, 1174, 1182)
NAME_NUMBERS = _ranges((3000, 3006), (3010, 3012), (5000, 5005), (5020, 5025),
                       (12001, 12042), (15071, 15073))


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
    problems = _compare_with_reference(lang, strings, reference)
    problems += check_consistency(lang, strings, reference)
    problems += check_distinctness(lang, strings, reference)
    problems += check_front_cover_labels(lang, strings, reference)
    return problems


def check_host_words(lang, words, reference, library, library_reference):
    """The host's words: as the library's strings, and worded as the library words the same English."""
    problems = _compare_with_reference(lang, words, reference)
    problems += check_consistency(lang, {**library, **words}, {**library_reference, **reference})
    problems += check_shared_terms(lang, {**library, **words})
    problems += check_fault_words(lang, {**library, **words})
    return problems


def check_shared_terms(lang, strings):
    """A term the host's words share with the library is spelled alike in both."""
    problems = []
    for word_number, holders in SHARED_TERMS:
        if word_number not in strings:
            continue
        word = strings[word_number]
        stems = TERM_STEMS.get(word_number, {})
        term = stems.get(lang, word)
        if term is None:
            continue
        if term.casefold() not in word.casefold():
            problems.append(f"{lang}: {word_number}: {word!r} does not hold its term {term!r}")
            continue
        for number in holders:
            if number in strings and term.casefold() not in strings[number].casefold():
                problems.append(f"{lang}: {number}: does not hold {term!r}, the term of "
                                f"{word_number} ({word!r}): {strings[number]!r}")
    return problems


def check_fault_words(lang, strings):
    """No media, tray or bin name holds the library's status text for a fault."""
    faults = {strings[n].casefold(): n for n in FAULT_STATUS_NUMBERS if strings.get(n)}
    problems = []
    for number in sorted(NAME_NUMBERS & strings.keys()):
        name = strings[number]
        for fault, fault_number in faults.items():
            if fault in name.casefold():
                problems.append(f"{lang}: {number}: {name!r} holds {strings[fault_number]!r}, "
                                f"the status text for a fault ({fault_number})")
    return problems


def _compare_with_reference(lang, strings, reference):
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


def check_consistency(lang, strings, reference):
    """One English text is translated one way throughout a language."""
    numbers_of = {}
    for number in sorted(strings.keys() & reference.keys()):
        numbers_of.setdefault(reference[number], []).append(number)
    problems = []
    for english, numbers in numbers_of.items():
        first = numbers[0]
        differing = [n for n in numbers[1:] if strings[n] != strings[first]]
        if differing:
            problems.append(f"{lang}: {_compact(differing)}: translated otherwise than {first}, "
                            f"though {REFERENCE_LANG} is the same ({english!r})")
    return problems


def check_distinctness(lang, strings, reference):
    """Texts that tell different things in English can be told apart in translation."""
    same = {frozenset(pair) for pair in SAME_MEANING}
    first_english_of = {}
    problems = []
    for number in sorted(strings.keys() & reference.keys()):
        english = " ".join(reference[number].split())  # spacing is no difference
        earlier = first_english_of.setdefault(strings[number], (number, english))
        if earlier[1] != english and frozenset((earlier[0], number)) not in same:
            problems.append(f"{lang}: {number}: reads as {earlier[0]} does, "
                            f"though {REFERENCE_LANG} differs ({reference[number]!r})")
    return problems


def check_front_cover_labels(lang, strings, reference):
    """The label of "Front Cover:%s" is the language's Front Cover name."""
    if FRONT_COVER_NUMBER not in strings or FRONT_COVER_NUMBER not in reference:
        return []
    english_end = reference[FRONT_COVER_NUMBER] + ENGLISH_LABEL_COLON + PLACEHOLDER
    wanted_end = strings[FRONT_COVER_NUMBER] + LABEL_COLON.get(lang, ENGLISH_LABEL_COLON) + PLACEHOLDER
    problems = []
    for number in sorted(strings.keys() & reference.keys()):
        if reference[number].endswith(english_end) and not strings[number].endswith(wanted_end):
            last_line = strings[number].rsplit(LINE_BREAK, 1)[-1]
            problems.append(f"{lang}: {number}: ends {last_line!r}, not {wanted_end!r}")
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
    if text.count(LINE_BREAK) != english.count(LINE_BREAK):
        problems.append(f"{where}: has {text.count(LINE_BREAK)} line break(s), "
                        f"{REFERENCE_LANG} has {english.count(LINE_BREAK)}")
    return problems


def check_own_rules(lang, strings, code_page):
    """Checks that need no comparison: '%' use, the code page, the script, the
    separator and the room the long texts need."""
    problems = check_text_rules(lang, strings, code_page)
    if SEPARATOR_NUMBER in strings and strings[SEPARATOR_NUMBER] != SEPARATOR_TEXT:
        problems.append(f"{lang}: {SEPARATOR_NUMBER}: must be {SEPARATOR_TEXT!r}, "
                        f"is {strings[SEPARATOR_NUMBER]!r}")
    codec = sf.CODEC_FOR_CODE_PAGE.get(code_page)
    if codec is not None and not problems:
        problems += check_status_text_fits(lang, strings, codec)
    return problems


def check_text_rules(lang, strings, code_page):
    """The rules every text keeps: '%' only in "%s", the code page, the script."""
    problems = []
    codec = sf.CODEC_FOR_CODE_PAGE.get(code_page)
    if codec is None:
        problems.append(f"{lang}: code page {code_page} is not one the string tables use")
    for number, text in sorted(strings.items()):
        if STRAY_PERCENT.search(text):
            problems.append(f"{lang}: {number}: '%' other than \"%s\": {text!r}")
        if codec is not None:
            problems += _check_encoding(lang, number, text, codec, f"code page {code_page}")
    problems += check_script(lang, strings)
    return problems


def longest_part_list(strings, codec):
    """Bytes of the longest part list: every name joined, or the list limit."""
    names = [strings[n] for n in sorted(PART_NAME_NUMBERS & strings.keys())]
    joined = strings.get(SEPARATOR_NUMBER, SEPARATOR_TEXT).join(names)
    return min(PART_LIST_LIMIT, len(joined.encode(codec)))


def check_status_text_fits(lang, strings, codec):
    """Every long text, with the longest part list in its "%s", fits the status text."""
    list_length = longest_part_list(strings, codec)
    problems = []
    for number in sorted(LONG_TEXT_NUMBERS & strings.keys()):
        text = strings[number]
        length = len(text.replace(PLACEHOLDER, "").encode(codec)) + text.count(PLACEHOLDER) * list_length
        if length > STATUS_TEXT_LIMIT:
            problems.append(f"{lang}: {number}: {length} bytes with the longest part list, "
                            f"more than the {STATUS_TEXT_LIMIT} of a status text")
    return problems


def check_script(lang, strings):
    """The rules of the language's own script and typography."""
    problems = []
    for number, text in sorted(strings.items()):
        where = f"{lang}: {number}"
        if lang == "fr":
            problems += _check_french_spacing(where, text)
        if lang == "jp":
            problems += _check_japanese_widths(where, text)
        if lang in NATIONAL_CHARSETS:
            problems += _check_encoding(lang, number, text, NATIONAL_CHARSETS[lang],
                                        NATIONAL_CHARSETS[lang])
    return problems


def _check_french_spacing(where, text):
    problems = []
    for i, mark in enumerate(text):
        if mark not in FRENCH_SPACED_MARKS:
            continue
        if i == 0 or text[i - 1] != NO_BREAK_SPACE:
            problems.append(f"{where}: {mark!r} without a no-break space before it")
        if mark == ":" and i + 1 < len(text) and text[i + 1] not in (" ", LINE_BREAK):
            problems.append(f"{where}: ':' without a space or line break after it")
    return problems


def _check_japanese_widths(where, text):
    problems = []
    for ch in text:
        if ord(ch) in HALF_WIDTH_KATAKANA:
            problems.append(f"{where}: half-width katakana {ch!r}")
        elif ord(ch) in FULL_WIDTH_ASCII and ch not in JAPANESE_FULL_WIDTH_PUNCTUATION:
            problems.append(f"{where}: full-width {ch!r} where ASCII {chr(ord(ch) - 0xFEE0)!r} belongs")
    return problems


def _check_encoding(lang, number, text, codec, charset):
    try:
        text.encode(codec, errors="strict")
    except UnicodeEncodeError as e:
        bad = text[e.start:e.end]
        return [f"{lang}: {number}: {bad!r} (U+{ord(bad[0]):04X}) is not in {charset}"]
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


def check(strings_dir, only=None, host_words_dir=None):
    """Returns (problems, languages checked): of the library's string tables
    in strings_dir, or of the host's words in host_words_dir."""
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
    library_reference = _load(strings_dir, REFERENCE_LANG, problems)
    if library_reference is None:
        return problems, selected
    if host_words_dir is None:
        problems += check_reference(library_reference)
    else:
        reference = _load(host_words_dir, REFERENCE_LANG, problems)
        if reference is None:
            return problems, selected
        problems += [f"{REFERENCE_LANG}: {n}: empty" for n, text in sorted(reference.items()) if text == ""]
    for lang in selected:
        library = library_reference if lang == REFERENCE_LANG else _load(strings_dir, lang, problems)
        if library is None:
            continue
        if host_words_dir is None:
            if lang != REFERENCE_LANG:
                problems += check_against_reference(lang, library, library_reference)
            problems += check_own_rules(lang, library, code_pages[lang])
            continue
        words = reference if lang == REFERENCE_LANG else _load(host_words_dir, lang, problems)
        if words is None:
            continue
        problems += check_host_words(lang, words, reference, library, library_reference)
        problems += check_text_rules(lang, words, code_pages[lang])
    return problems, selected


def _parse_args(argv):
    default_dir = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                               "resources", "strings")
    parser = argparse.ArgumentParser(description="Check the string-table source files.")
    parser.add_argument("strings_dir", nargs="?", default=default_dir)
    parser.add_argument("--only", metavar="LANG[,LANG]",
                        help="check only these languages (en is always checked)")
    parser.add_argument("--host-words", metavar="WORDS_DIR",
                        help="check the host's own words in WORDS_DIR instead, worded as "
                             "the library's tables in STRINGS_DIR where the English is the same")
    args = parser.parse_args(argv)
    if args.only is not None:
        args.only = {lang.strip().lower() for lang in args.only.split(",") if lang.strip()}
    return args


def main(argv=None):
    args = _parse_args(argv)
    problems, checked = check(args.strings_dir, args.only, args.host_words)
    for problem in problems:
        print(problem)
    status = "OK" if not problems else f"{len(problems)} problem(s)"
    print(f"strings_check: {len(checked)} language(s) checked ({', '.join(checked)}): {status}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
