// Reply handlers: each takes over one recognised answer of the printer,
// reading the rest of it from the dispatcher's tokenizer.  They return 0 or
// an error code; the dispatcher goes on either way.
#pragma once

#include <stdint.h>

#include "pat.h"
#include "reply_tokenizer.h"

using ReplyHandler = uint32_t (*)(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t parameter);

// Input trays (parameter: tray id, or the print-tray flag bit).
uint32_t HandleTrayLock(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId);
uint32_t HandleTrayPaperSize(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId);
uint32_t HandleTrayPaperLevel(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId);
uint32_t HandleTrayMedia(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId);
uint32_t HandleTrayPresent(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId);
uint32_t HandlePrintTray(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t flagBit);
uint32_t HandleTrayCount(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);

// Output bins (parameter: bin id).
uint32_t HandleOutputBin(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t binId);
uint32_t HandleOutputBinReset(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);

// Configuration (parameter: option id where there is one).
uint32_t HandleOption(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t optionId);
uint32_t HandleOptionReset(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);
uint32_t HandleMemory(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);
uint32_t HandleVersions(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);
uint32_t HandlePunch(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);

// Emulation-specific information of the ZEMA emulation.
uint32_t HandleEmulUniqInfo(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);
