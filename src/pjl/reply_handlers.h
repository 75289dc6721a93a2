// Reply handlers: each takes over one recognised answer of the printer,
// reading the rest of it from the dispatcher's tokenizer.  A handler stops at
// the first thing that fails (a token of the wrong kind, a grammar error, no
// memory for an item); what it stored before stays, and the dispatcher goes
// on with the reply either way, so nothing is handed back.
#pragma once

#include <stdint.h>

#include "pat.h"
#include "reply_tokenizer.h"

using ReplyHandler = void (*)(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t parameter);

// Input trays (parameter: tray id, or the print-tray flag bit).
void HandleTrayLock(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId);
void HandleTrayPaperSize(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId);
void HandleTrayPaperLevel(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId);
void HandleTrayMedia(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId);
void HandleTrayPresent(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId);
void HandlePrintTray(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t flagBit);
void HandleTrayCount(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);

// Output bins (parameter: bin id).
void HandleOutputBin(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t binId);
void HandleOutputBinReset(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);

// Configuration (parameter: option id where there is one).
void HandleOption(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t optionId);
void HandleOptionReset(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);
void HandleMemory(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);
void HandleVersions(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);
void HandlePunch(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);

// Emulation-specific information of the ZEMA emulation.
void HandleEmulUniqInfo(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t unused);
