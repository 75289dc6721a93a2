// PJL texts shared by the native and the Wine tests: the library's own
// queries, written out in full.
#pragma once

// Every request and every tray block once: flags 0x2|0x4|0x8|0x10 with the
// trays 3, 4, 5, 6, 11 and 1 listed in that order.
constexpr char kFullQueryText[] =
    "\x1B%-12345X@PJL\r\n"
    "@PJL INFO CONFIG\r\n"
    "@PJL INQUIRE FRONTCOVERPRINTTRAY\r\n"
    "@PJL INQUIRE SLIPSHEETPRINTTRAY\r\n"
    "@PJL INQUIRE CHAPTERPRINTTRAY1\r\n"
    "@PJL INQUIRE INTRAY1SIZE\r\n@PJL INQUIRE INTRAY1QUANT\r\n@PJL INQUIRE INTRAY1MEDIA\r\n@PJL INQUIRE INTRAY1\r\n"
    "@PJL INQUIRE INTRAY2SIZE\r\n@PJL INQUIRE INTRAY2QUANT\r\n@PJL INQUIRE INTRAY2MEDIA\r\n@PJL INQUIRE INTRAY2\r\n"
    "@PJL INQUIRE INTRAY3SIZE\r\n@PJL INQUIRE INTRAY3QUANT\r\n@PJL INQUIRE INTRAY3MEDIA\r\n@PJL INQUIRE INTRAY3\r\n"
    "@PJL INQUIRE INTRAY4SIZE\r\n@PJL INQUIRE INTRAY4QUANT\r\n@PJL INQUIRE INTRAY4MEDIA\r\n@PJL INQUIRE INTRAY4\r\n"
    "@PJL INQUIRE INTRAYLCTSIZE\r\n@PJL INQUIRE INTRAYLCTQUANT\r\n@PJL INQUIRE INTRAYLCTMEDIA\r\n"
    "@PJL INQUIRE INTRAYLCT\r\n"
    "@PJL INQUIRE INTRAYMSIZE\r\n@PJL INQUIRE INTRAYMMEDIA\r\n@PJL INQUIRE INTRAYMULTI\r\n"
    "@PJL INFO OUTBINSTATUS\r\n"
    "\x1B%-12345X";
static_assert(sizeof kFullQueryText == 763, "762 characters and the terminator");

constexpr unsigned kFullQueryFlags = 0x2 | 0x4 | 0x8 | 0x10;

constexpr char kOutBinQueryText[] = "\x1B%-12345X@PJL\r\n@PJL INFO OUTBINSTATUS\r\n\x1B%-12345X";
static_assert(sizeof kOutBinQueryText == 49, "48 characters and the terminator");

constexpr char kEmulUniqQueryText[] = "\x1B%-12345X@PJL\r\n@PJL INFO ZEMA\r\n\x1B%-12345X";
static_assert(sizeof kEmulUniqQueryText == 41, "40 characters and the terminator");
