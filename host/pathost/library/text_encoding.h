// The library hands out text in the ANSI code page of the language chosen
// with PatSetLocale; the host shows everything in UTF-8, the same bytes on
// Linux and on Windows.
#pragma once

#include <string>
#include <vector>

// The ANSI code page of one of the library's language names ("EN", "ZH_CN"...).
unsigned AnsiCodePageOf(const std::string &language);

// Converts text of that code page to UTF-8; characters that cannot be read
// become U+FFFD.
std::string AnsiToUtf8(const std::string &text, unsigned codePage);

// Columns a UTF-8 text takes on a terminal, counting every character as one.
size_t DisplayLength(const std::string &utf8);

// The seventeen language names the library accepts, in its own order.
std::vector<std::string> AllLibraryLanguages();
