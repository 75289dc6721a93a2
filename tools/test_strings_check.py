#!/usr/bin/env python3
"""Tests of the string-table checker: each rule catches the fault it is for
and passes the form a translation should take.

    python3 tools/test_strings_check.py
"""

import os
import sys
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import strings_check as sc  # noqa: E402
import strings_format as sf  # noqa: E402

ENGLISH = {
    1000: "Operational",
    1002: "Operational",
    2016: "A wireless I/F card related error occurred.",
    2017: "A wireless I/F board related error occurred.",
    2066: "Possible problem in the following tray(s). \n%s",
    2123: "Possible problem in the following tray(s).\n%s",
    2132: "The toner has run out. \nFront Cover:%s",
    2156: "Open the indicated cover, and then remove any jammed paper.\n%s",
    2169: "Please open the indicated cover, and remove any jammed paper.\n%s",
    3013: "Front Cover",
}


def changed(strings, changes):
    """The strings with some replaced: n2132="..." replaces string 2132."""
    return {**strings, **{int(number[1:]): text for number, text in changes.items()}}


def translation(**changes):
    """A German table that passes every rule, with some strings changed."""
    return changed({
        1000: "Betriebsbereit",
        1002: "Betriebsbereit",
        2016: "Fehler der Wireless-I/F-Karte.",
        2017: "Fehler der Wireless-I/F-Platine.",
        2066: "Mögliche Störung in folgenden Magazinen.\n%s",
        2123: "Mögliche Störung in folgenden Magazinen.\n%s",
        2132: "Der Toner ist aufgebraucht.\nVordere Abdeckung:%s",
        2156: "Öffnen Sie die Abdeckung und entfernen Sie das Papier.\n%s",
        2169: "Öffnen Sie die Abdeckung und entfernen Sie das Papier.\n%s",
        3013: "Vordere Abdeckung",
    }, changes)


class ComparisonWithEnglishTest(unittest.TestCase):
    CASES = [
        ("a line break lost", dict(n2132="Der Toner ist aufgebraucht. Vordere Abdeckung:%s"), "line break"),
        ("one English text translated two ways", dict(n1002="Bereit"), "translated otherwise than 1000"),
        ("card and board read the same", dict(n2017="Fehler der Wireless-I/F-Karte."), "reads as 2016"),
        ("label is not the Front Cover name", dict(n2132="Der Toner ist aufgebraucht.\nFrontklappe:%s"),
         "not 'Vordere Abdeckung:%s'"),
    ]

    def test_each_fault_is_reported(self):
        for name, changes, expected in self.CASES:
            with self.subTest(name):
                problems = sc.check_against_reference("de", translation(**changes), ENGLISH)
                self.assertEqual(len(problems), 1, problems)
                self.assertIn(expected, problems[0])

    def test_a_sound_translation_passes(self):
        # Spacing-only and wording-only English differences may share a translation.
        self.assertEqual(sc.check_against_reference("de", translation(), ENGLISH), [])

    def test_front_cover_label_follows_the_languages_colon(self):
        french = {3013: "Capot avant", 2132: "Le toner est épuisé.\nCapot avant\u00a0: %s"}
        japanese = {3013: "前カバー", 2132: "トナーがなくなりました。\n前カバー：%s"}
        self.assertEqual(sc.check_front_cover_labels("fr", french, ENGLISH), [])
        self.assertEqual(sc.check_front_cover_labels("jp", japanese, ENGLISH), [])
        french[2132] = "Le toner est épuisé.\nCapot avant\u00a0:%s"
        self.assertEqual(len(sc.check_front_cover_labels("fr", french, ENGLISH)), 1)


class HostWordsTest(unittest.TestCase):
    LIBRARY_ENGLISH = {3009: "Duplex Unit"}
    LIBRARY_GERMAN = {3009: "Duplexeinheit"}
    ENGLISH_WORDS = {14001: "Duplex Unit", 15000: "Library"}

    def test_worded_as_the_library_where_the_english_is_the_same(self):
        words = {14001: "Duplexeinheit", 15000: "Bibliothek"}
        self.assertEqual(sc.check_host_words("de", words, self.ENGLISH_WORDS,
                                             self.LIBRARY_GERMAN, self.LIBRARY_ENGLISH), [])
        words[14001] = "Duplex-Einheit"
        problems = sc.check_host_words("de", words, self.ENGLISH_WORDS, self.LIBRARY_GERMAN, self.LIBRARY_ENGLISH)
        self.assertEqual(len(problems), 1)
        self.assertIn("14001: translated otherwise than 3009", problems[0])

    def test_a_missing_word_is_reported(self):
        problems = sc.check_host_words("de", {15000: "Bibliothek"}, self.ENGLISH_WORDS,
                                       self.LIBRARY_GERMAN, self.LIBRARY_ENGLISH)
        self.assertEqual(problems, ["de: missing string numbers 14001"])


class SharedTermsTest(unittest.TestCase):
    """Host words and library messages that share a term, and fault texts kept out of names."""

    @staticmethod
    def german(**changes):
        return changed({
            1128: "Ausgabefach voll",
            1156: "Papierstau",
            2090: "Ein Magazin kann nicht für Textseiten und für festgelegte Trennblätter definiert werden.",
            12001: "Normalpapier",
            12015: "Karton",
            12018: "Normalpapier (Duplex-Rückseite)",
            13002: "voll",
            15072: "Trennblatt-Druckmagazin",
        }, changes)

    CASES = [
        ("the host's slip sheet is another word", dict(n15072="Zwischenblatt-Druckmagazin"),
         "15072: 'Zwischenblatt-Druckmagazin' does not hold its term 'Trennbl'"),
        ("the library's slip sheet is another word",
         dict(n2090="Ein Magazin kann nicht für Textseiten und für Zwischenblätter definiert werden."),
         "2090: does not hold 'Trennbl'"),
        ("a bin state the library words otherwise", dict(n13002="gefüllt"), "1128: does not hold 'gefüllt'"),
        ("a media family worded two ways", dict(n12018="Standardpapier (Duplex-Rückseite)"),
         "12018: does not hold 'Normalpapier'"),
        ("a media named as the jam", dict(n12015="Papierstau"), "12015: 'Papierstau' holds 'Papierstau'"),
        ("a tray role holding the jam", dict(n15072="Trennblatt-Druckmagazin (Papierstau)"),
         "the status text for a fault (1156)"),
    ]

    def check(self, strings):
        return sc.check_shared_terms("de", strings) + sc.check_fault_words("de", strings)

    def test_each_inconsistency_is_reported(self):
        self.assertEqual(self.check(self.german()), [])
        for name, changes, expected in self.CASES:
            with self.subTest(name):
                problems = self.check(self.german(**changes))
                self.assertEqual(len(problems), 1, problems)
                self.assertIn(expected, problems[0])

    def test_term_matches_without_regard_to_case(self):
        self.assertEqual(self.check(self.german(n13002="Voll")), [])

    def test_the_tables_faults_are_caught_in_the_real_tables(self):
        # The shipped tables pass; put back a fault the review mended and the check names it.
        root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
        cases = [
            ("zh_tw", 12015, "卡紙", "12015: '卡紙' holds '卡紙'"),       # card stock read as a jam
            ("da", 15072, "bakke til indlægsark", "does not hold its term 'mellemark'"),
            ("jp", 15073, "章区切り印刷トレイ", "does not hold its term '章分け'"),
        ]
        for lang, number, text, expected in cases:
            with self.subTest(lang):
                strings = {**sf.read_strings(sf.string_file_path(os.path.join(root, "resources", "strings"), lang)),
                           **sf.read_strings(sf.string_file_path(os.path.join(root, "host", "words"), lang))}
                self.assertEqual(sc.check_shared_terms(lang, strings) + sc.check_fault_words(lang, strings), [])
                strings[number] = text
                problems = sc.check_shared_terms(lang, strings) + sc.check_fault_words(lang, strings)
                self.assertEqual(len(problems), 1, problems)
                self.assertIn(expected, problems[0])


class OwnRulesTest(unittest.TestCase):
    CASES = [
        # (name, language, strings, expected problem or None)
        ("French colon after a no-break space and before a space", "fr", {1: "Capot avant\u00a0: %s"}, None),
        ("French colon before a line break", "fr", {1: "sont pleins\u00a0:\n%s"}, None),
        ("French colon after a plain space", "fr", {1: "sont pleins :\n%s"}, "no-break space"),
        ("French colon run into the value", "fr", {1: "Capot avant\u00a0:%s"}, "space or line break after"),
        ("French question mark unspaced", "fr", {1: "Continuer?"}, "no-break space"),
        ("Japanese punctuation full-width", "jp", {1: "トレイ3（LCT）：%s"}, None),
        ("Japanese half-width katakana", "jp", {1: "ﾄﾚｲ1"}, "half-width katakana"),
        ("Japanese full-width letters", "jp", {1: "ＰＣＵを確認してください。"}, "full-width 'Ｐ'"),
        ("Japanese full-width digit", "jp", {1: "トレイ３"}, "full-width '３'"),
        ("Simplified Chinese in GB2312", "zh_cn", {1: "进纸盘"}, None),
        ("Simplified Chinese beyond GB2312", "zh_cn", {1: "喆"}, "not in gb2312"),
        ("Traditional Chinese beyond Big5", "zh_tw", {1: "€"}, "not in big5"),
    ]

    def test_script_rules(self):
        for name, lang, strings, expected in self.CASES:
            with self.subTest(name):
                problems = sc.check_script(lang, strings)
                if expected is None:
                    self.assertEqual(problems, [])
                else:
                    self.assertTrue(problems and expected in problems[0], problems)

    def test_long_text_fits_with_the_longest_part_list(self):
        names = {n: "Finisher-Abdeckung oben" for n in sc.PART_NAME_NUMBERS}
        names[sc.SEPARATOR_NUMBER] = ", "
        # Every name joined is far over the list limit, so the list counts 255 bytes.
        self.assertEqual(sc.longest_part_list(names, "cp1252"), sc.PART_LIST_LIMIT)
        room = sc.STATUS_TEXT_LIMIT - sc.PART_LIST_LIMIT
        fits = {**names, 2000: "x" * room + "%s"}
        over = {**names, 2000: "\u00e4" * (room + 1) + "%s"}
        self.assertEqual(sc.check_status_text_fits("de", fits, "cp1252"), [])
        self.assertIn("2000: 512 bytes", sc.check_status_text_fits("de", over, "cp1252")[0])

    def test_code_page_bytes_count_not_characters(self):
        names = {3000: "トレイ1", sc.SEPARATOR_NUMBER: ", "}
        self.assertEqual(sc.longest_part_list(names, "cp932"), 7)  # three double-byte kana and a digit


if __name__ == "__main__":
    unittest.main()
