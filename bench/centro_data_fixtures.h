// Reply trees for measuring PatSetCentroDataTo: the reply to the full query
// and larger replies (more tray answers and padding lines).
#pragma once

#include <string.h>

#include <string>

#include "pat.h"
#include "platform/platform.h"
#include "prninfo/record.h"
#include "support/pjl_texts.h"
#include "support/reply_tree.h"

namespace bench_fixtures {

inline void ReleaseRecord(PrnInfoEx *record) {
    for (RecordList list : kAllRecordLists) ClearItemList(record, list);
    for (char **text : {&record->pModelName, &record->pMakerName, &record->pDescription, &record->pSYSVersion,
                        &record->pMainProgVersion, &record->pKMSVersion}) {
        if (*text != nullptr) GlobalFree(*text);
        *text = nullptr;
    }
}

inline PrnInfoEx FreshRecord() {
    PrnInfoEx record;
    memset(&record, 0, sizeof record);
    record.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
    return record;
}

inline PatInfoNode *FullQuery() {
    PrnInfoEx asked = FreshRecord();
    for (uint16_t id : {3, 4, 5, 6, 11, 1}) FindOrAddItem(HeadField(&asked.pTrayInfo), kTrayItemSize, id, &asked.nTrayInfo);
    PatInfoNode *query = PatCreateQueryInfo(&asked, 2, kFullQueryFlags);
    ReleaseRecord(&asked);
    return query;
}

// The full reply, then more answers about the trays and status lines the
// library does not read, until the reply has `size` bytes.  With
// answersLast, the full reply comes at the end instead: every question's
// first echo then lies far into the reply.
inline std::string LargeReply(size_t size, bool answersLast = false) {
    const std::string full = kFullReplyText;
    const std::string trayAnswers = full.substr(full.find("@PJL INQUIRE INTRAY1SIZE"),
                                                full.find("@PJL INFO OUTBINSTATUS") -
                                                    full.find("@PJL INQUIRE INTRAY1SIZE"));
    const std::string padding =
        "@PJL INFO STATUS\r\nCODE=10001\r\nDISPLAY=\"READY\"\r\nONLINE=TRUE\r\n"
        "PADDING [2 ENUMERATED]\r\n\tLINE ONE\r\n\tLINE=TWO\r\n\f";
    std::string extra;
    while (full.size() + extra.size() + trayAnswers.size() + padding.size() < size) extra += trayAnswers + padding;
    while (full.size() + extra.size() + padding.size() < size) extra += padding;
    return answersLast ? extra + full : full + extra;
}

inline PatInfoNode *ReplyTreeFor(const std::string &reply) {
    return MakeReplyTree(FullQuery(), reply.c_str(), kFullDeviceId);
}

}  // namespace bench_fixtures
