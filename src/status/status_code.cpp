#include "status_code.h"

// Digits are written from the end of a scratch buffer and moved to the
// front: the same text printf's "%lu" gives, without its format parsing.
void FormatStatusCode(uint32_t code, char (&decimal)[kDecimalCodeSize]) {
    char reversed[kDecimalCodeSize];
    uint32_t length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + code % 10);
        code /= 10;
    } while (code != 0);
    for (uint32_t i = 0; i < length; ++i) decimal[i] = reversed[length - 1 - i];
    decimal[length] = '\0';
}
