// The decimal reader against the C library's strtol, which it replaces: the
// same 32-bit value on every text, on whichever width this test was built for
// (strtol's long is 64 bits on x86-64 Linux, 32 bits on i386 and Windows).
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <string>

#include "pjl/decimal_number.h"

namespace {

int32_t ByStrtol(const std::string &text) { return static_cast<int32_t>(strtol(text.c_str(), nullptr, 10)); }

void ExpectAsStrtol(const std::string &text) {
    SCOPED_TRACE("\"" + text + "\"");
    EXPECT_EQ(DecimalNumber(text.c_str()), ByStrtol(text));
    // The bounded form, on the same characters followed by more digits it
    // must not read.
    const std::string followed = text + "123";
    EXPECT_EQ(DecimalNumber(followed.c_str(), followed.c_str() + text.size()), ByStrtol(text));
}

TEST(DecimalNumber, ReadsAsStrtolDoes) {
    const char *const cases[] = {
        "", "0", "7", "42", "-42", "+42", "007", "-0", "+", "-", "+-1", "--1", " 12", "\t\n\v\f\r 12", " - 12",
        "12 34", "12MB", "1/5", "0x1F", "1e3", ("\xA0" "5"), "3.5", "2147483647", "2147483648", "-2147483648",
        "-2147483649", "4294967295", "4294967296", "4294967297", "-4294967297", "9223372036854775807",
        "9223372036854775808", "-9223372036854775808", "-9223372036854775809", "99999999999999999999999999999999",
        "-99999999999999999999999999999999", "18446744073709551617", "000000000000000000000000000000012",
    };
    for (const char *text : cases) ExpectAsStrtol(text);
}

// Every text of up to four characters from the ones that decide the reading.
TEST(DecimalNumber, EveryShortTextOfSignsBlanksAndDigits) {
    const char alphabet[] = {' ', '\t', '\r', '+', '-', '0', '1', '9', 'x', '\xA0', '/'};
    std::string text;
    for (size_t length = 0; length <= 4; ++length) {
        size_t combinations = 1;
        for (size_t i = 0; i < length; ++i) combinations *= sizeof alphabet;
        for (size_t n = 0; n < combinations; ++n) {
            text.clear();
            for (size_t i = 0, rest = n; i < length; ++i, rest /= sizeof alphabet) text += alphabet[rest % sizeof alphabet];
            ExpectAsStrtol(text);
        }
    }
}

// Every length of digit run up to a token's 32 characters, signed and not, so
// each width's overflow clamp is crossed.
TEST(DecimalNumber, EveryLengthOfDigitsUpToAToken) {
    for (const char digit : {'1', '5', '9'}) {
        for (size_t length = 1; length <= 32; ++length) {
            const std::string digits(length, digit);
            ExpectAsStrtol(digits);
            ExpectAsStrtol("-" + digits);
            ExpectAsStrtol("+" + digits);
        }
    }
}

}  // namespace
