"""Reading and writing the string-table source files.

A string file is UTF-8 without BOM. Lines starting with '#' are comments,
blank lines are ignored, and every other line is
    <decimal number> TAB <text up to the end of the line>
with the numbers strictly ascending. The text is kept verbatim, trailing
spaces included; the only escapes are \\n (line feed), \\t (tab) and \\\\.

languages.txt lists one language per line: <lang> TAB <language id> TAB
<ANSI code page>.
"""

import os

ESCAPES = {"n": "\n", "t": "\t", "\\": "\\"}

# Python codec for each ANSI code page the string tables are converted to.
CODEC_FOR_CODE_PAGE = {932: "cp932", 936: "gbk", 950: "cp950",
                       1250: "cp1250", 1252: "cp1252"}

# Windows string-table ids are 16 bits.
MAX_STRING_NUMBER = 0xFFFF


class FormatError(Exception):
    """A malformed string or language file; the message starts with file:line."""

    def __init__(self, path, line_number, message):
        super().__init__(f"{path}:{line_number}: {message}")
        self.path = path
        self.line_number = line_number


def decode_text(raw):
    """Turns the escaped text of a line into the string it stands for."""
    out = []
    i = 0
    while i < len(raw):
        ch = raw[i]
        if ch != "\\":
            out.append(ch)
            i += 1
            continue
        if i + 1 >= len(raw):
            raise ValueError("backslash at the end of the line (write \\\\ for a backslash)")
        code = raw[i + 1]
        if code not in ESCAPES:
            raise ValueError(f"unknown escape \\{code} (only \\n, \\t and \\\\ exist)")
        out.append(ESCAPES[code])
        i += 2
    return "".join(out)


def encode_text(text):
    """Inverse of decode_text: the form a string takes on its line."""
    if "\r" in text:
        raise ValueError("carriage return cannot be written in a string file")
    return text.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t")


def format_line(number, text):
    return f"{number}\t{encode_text(text)}\n"


def _read_lines(path):
    with open(path, "rb") as f:
        data = f.read()
    if data.startswith(b"\xef\xbb\xbf"):
        raise FormatError(path, 1, "file starts with a UTF-8 BOM; save it without BOM")
    try:
        content = data.decode("utf-8")
    except UnicodeDecodeError as e:
        line_number = data[:e.start].count(b"\n") + 1
        raise FormatError(path, line_number, "not valid UTF-8") from None
    lines = content.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def _is_skipped(line):
    return line.startswith("#") or line.strip() == ""


def _parse_string_line(path, line_number, line):
    if "\r" in line:
        raise FormatError(path, line_number, "carriage return in line (CRLF line endings?)")
    number_part, tab, raw = line.partition("\t")
    if not tab:
        raise FormatError(path, line_number, "no TAB between number and text")
    if not number_part.isascii() or not number_part.isdigit():
        raise FormatError(path, line_number, f"string number {number_part!r} is not a decimal number")
    number = int(number_part)
    if number > MAX_STRING_NUMBER:
        raise FormatError(path, line_number, f"string number {number} exceeds {MAX_STRING_NUMBER}")
    try:
        text = decode_text(raw)
    except ValueError as e:
        raise FormatError(path, line_number, str(e)) from None
    return number, text


def read_strings(path):
    """Returns {string number: decoded text} for one string file.

    Raises FormatError (message "file:line: ...") on a malformed line, a
    duplicate number or a number out of ascending order, and OSError when
    the file cannot be read.
    """
    strings = {}
    previous = None
    for line_number, line in enumerate(_read_lines(path), start=1):
        if _is_skipped(line):
            continue
        number, text = _parse_string_line(path, line_number, line)
        if number in strings:
            raise FormatError(path, line_number, f"string number {number} appears twice")
        if previous is not None and number < previous:
            raise FormatError(path, line_number, f"string number {number} follows {previous}; numbers must ascend")
        strings[number] = text
        previous = number
    return strings


def read_languages(path):
    """Returns [(lang, language id, code page)] in file order from languages.txt."""
    languages = []
    seen = set()
    for line_number, line in enumerate(_read_lines(path), start=1):
        if _is_skipped(line):
            continue
        fields = line.rstrip("\r").split("\t")
        if len(fields) != 3:
            raise FormatError(path, line_number, "expected <lang> TAB <language id> TAB <code page>")
        lang, lang_id_text, code_page_text = (f.strip() for f in fields)
        try:
            lang_id = int(lang_id_text, 16)
            code_page = int(code_page_text)
        except ValueError:
            raise FormatError(path, line_number, "language id must be hex (0x0409), code page decimal") from None
        if lang in seen:
            raise FormatError(path, line_number, f"language {lang} appears twice")
        seen.add(lang)
        languages.append((lang, lang_id, code_page))
    return languages


def string_file_path(strings_dir, lang):
    return os.path.join(strings_dir, f"{lang}.txt")


def languages_file_path(strings_dir):
    """languages.txt sits next to the strings directory."""
    return os.path.join(os.path.dirname(os.path.abspath(strings_dir)), "languages.txt")
