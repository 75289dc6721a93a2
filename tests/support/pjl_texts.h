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

// A printer's answer to kFullQueryText: all six trays installed, a finisher,
// duplex unit and punch unit, four emulations, two output bins.
constexpr char kFullReplyText[] =
    "@PJL INFO CONFIG\r\n"
    "IN TRAYS [6 ENUMERATED]\r\n"
    "\tINTRAY1\r\n"
    "\tINTRAY2\r\n"
    "\tINTRAY3\r\n"
    "\tINTRAY4\r\n"
    "\tINTRAYLCT\r\n"
    "\tINTRAYMANUAL\r\n"
    "OUT TRAYS [1 ENUMERATED]\r\n"
    "\tOUTTRAYFINISH1000\r\n"
    "DUPLEX\r\n"
    "MEMORY=67108864\r\n"
    "VERSION [4 ENUMERATED]\r\n"
    "\tFIRMWARE 1.02.03\r\n"
    "\tZEMA \"2.10\"\r\n"
    "\tMOXI=3.00\r\n"
    "\tPOSTSCRIPT 3016.102\r\n"
    "PUNCH [2 ENUMERATED]\r\n"
    "\tUS2\r\n"
    "\tUS3\r\n"
    "\f"
    "@PJL INQUIRE FRONTCOVERPRINTTRAY\r\nBYPASS\r\n\f"
    "@PJL INQUIRE SLIPSHEETPRINTTRAY\r\nTRAY2\r\n\f"
    "@PJL INQUIRE CHAPTERPRINTTRAY1\r\nNONE\r\n\f"
    "@PJL INQUIRE INTRAY1SIZE\r\nA4LONG\r\n\f"
    "@PJL INQUIRE INTRAY1QUANT\r\n3/5\r\n\f"
    "@PJL INQUIRE INTRAY1MEDIA\r\nPLAIN\r\n\f"
    "@PJL INQUIRE INTRAY1\r\nUNLOCKED\r\n\f"
    "@PJL INQUIRE INTRAY2SIZE\r\nA3\r\n\f"
    "@PJL INQUIRE INTRAY2QUANT\r\nFULL\r\n\f"
    "@PJL INQUIRE INTRAY2MEDIA\r\nRECYCLED\r\n\f"
    "@PJL INQUIRE INTRAY2\r\nLOCKED\r\n\f"
    "@PJL INQUIRE INTRAY3SIZE\r\nLETTERLONG\r\n\f"
    "@PJL INQUIRE INTRAY3QUANT\r\nEND\r\n\f"
    "@PJL INQUIRE INTRAY3MEDIA\r\nTHICK\r\n\f"
    "@PJL INQUIRE INTRAY3\r\nUNLOCKED\r\n\f"
    "@PJL INQUIRE INTRAY4SIZE\r\nB5\r\n\f"
    "@PJL INQUIRE INTRAY4QUANT\r\n1/5\r\n\f"
    "@PJL INQUIRE INTRAY4MEDIA\r\nCOLOR\r\n\f"
    "@PJL INQUIRE INTRAY4\r\nUNLOCKED\r\n\f"
    "@PJL INQUIRE INTRAYLCTSIZE\r\nA4LONG\r\n\f"
    "@PJL INQUIRE INTRAYLCTQUANT\r\n4/5\r\n\f"
    "@PJL INQUIRE INTRAYLCTMEDIA\r\nPLAIN\r\n\f"
    "@PJL INQUIRE INTRAYLCT\r\nUNLOCKED\r\n\f"
    "@PJL INQUIRE INTRAYMSIZE\r\nCUSTOM\r\n\f"
    "@PJL INQUIRE INTRAYMMEDIA\r\nTRANSPARENCY\r\n\f"
    "@PJL INQUIRE INTRAYMULTI\r\nUNLOCKED\r\n\f"
    "@PJL INFO OUTBINSTATUS\r\n"
    "UPPER=FULL\r\n"
    "FINISHERSHIFT=READY\r\n"
    "\f";

constexpr char kFullDeviceId[] =
    "MFG:Maker Co;CMD:PJL,PCL,POSTSCRIPT;MDL:Model 55;CLS:PRINTER;DES:Office printer 55;"
    "STS:10001/40343,1,Paper jam;KTQ:12345/80/60;";

// The record after kFullReplyText and kFullDeviceId, as DumpRecord writes it.
constexpr char kFullReplyRecord[] =
    "texts: maker=Maker Co model=Model 55 description=Office printer 55 sys=1.02.03 main=3.00 kms=3016.102\n"
    "scalars: memoryKB=65536 state=1 modelIndex=255 stateNotOne=0 hasError=1 outBinWord=255\n"
    "engine[2]: 10001/10001 \"Paper jam\" 40343/40343 \"Paper jam\"\n"
    "emulations[3]: 15 \"2.10\" 1 \"3.00\" 2 \"3016.102\"\n"
    "fonts[0]:\n"
    "trays[6]: 3 size=8 level=60 media=1 flags=0x0 4 size=5 level=100 media=2 flags=0x9"
    " 5 size=22 level=0 media=6 flags=0x0 6 size=0 level=20 media=9 flags=0x0"
    " 11 size=8 level=80 media=1 flags=0x0 1 size=2 level=0 media=3 flags=0x4\n"
    "bins[2]: 1 state=2 4 state=0\n"
    "options[6]: 102 104 16 37 1 132\n"
    "emulUniq[0]:\n"
    "counters[1]: 1=12345\n"
    "supplies[0]:\n"
    "colorCorrection[0]:\n";
