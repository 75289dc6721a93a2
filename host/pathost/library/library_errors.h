// Messages for the library's last-error values.
#pragma once

#include <stdint.h>

#include <string>

// "error 0x20000002 (the reply does not answer every question of the query)"
std::string DescribeLibraryError(uint32_t code);
