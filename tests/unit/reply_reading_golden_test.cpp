// Reading replies stays byte for byte what it was: every seed of the reply
// fuzz corpora, the full reply of the tests, and a few hundred deterministic
// mutations of each, are tokenized (both capacities, bounded and
// NUL-terminated) and interpreted through the export; a digest of every
// token, result and resulting record is compared with the committed one.
//
// When a change of behaviour is intended, rewrite the digests with
//   PAT_WRITE_GOLDEN=1 build/native64/unit_tests --gtest_filter='ReplyReadingGolden*'
// and say in the commit why they changed.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "pat.h"
#include "pjl/reply_tokenizer.h"
#include "support/pjl_texts.h"
#include "support/record_dump.h"
#include "support/record_fixture.h"
#include "support/reply_tree.h"
#include "support/token_reading.h"

namespace {

const char kGoldenPath[] = PAT_SOURCE_DIR "/tests/unit/reply_reading_golden.txt";
constexpr int kMutationsPerSeed = 300;
const uint16_t kTrayIds[] = {3, 4, 5, 6, 11, 1};

struct Digest {
    uint64_t value = 1469598103934665603ull;
    void Add(const void *data, size_t size) {
        const auto *bytes = static_cast<const uint8_t *>(data);
        for (size_t i = 0; i < size; ++i) value = (value ^ bytes[i]) * 1099511628211ull;
    }
    void Add(const std::string &text) { Add(text.data(), text.size() + 1); }
    void Add(uint64_t number) { Add(&number, sizeof number); }
};

// Every token of the text with its result, kind, cursor offset and state;
// bounded, the text is a payload without its NUL.
void DigestTokens(const std::string &text, bool bounded, uint32_t capacity, Digest *digest) {
    const OpenedPayload payload(text.c_str(), static_cast<uint32_t>(text.size() + (bounded ? 0 : 1)));
    ASSERT_EQ(payload.result, 0u);
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, payload.text());
    char buffer[100] = {};
    for (size_t calls = 0; calls < 8 * (text.size() + 2); ++calls) {
        int32_t kind = 0;
        const Token *read = nullptr;
        const uint32_t result = TokenizerNext(&tokenizer, buffer, capacity, &kind, &read);
        digest->Add(result);
        digest->Add(static_cast<uint64_t>(kind));
        digest->Add(static_cast<uint64_t>(read->cursor - payload.text().begin));
        digest->Add(static_cast<uint64_t>(read->state));
        digest->Add(std::string(buffer));
        if (kind == TOKEN_END) return;
    }
}

void ListTrays(PrnInfoEx *record, uint8_t mask) {
    for (int i = 0; i < 6; ++i) {
        if (mask & (1u << i)) AddTestItem(&record->pTrayInfo, &record->nTrayInfo, kTrayIds[i]);
    }
}

// The header bytes of the centro_data fuzz target choose the query and the
// record's starting state.
PatInfoNode *Query(uint8_t header, uint8_t trayMask) {
    if (header & 0x10) return nullptr;
    if (header & 0x20) return PatCreateEmulUniqQueryInfo(1, 2, 15, 0);
    PrnInfoEx asked = MakeRecord();
    ListTrays(&asked, trayMask);
    uint32_t flags = 0;
    if (header & 0x01) flags |= PAT_ITEMS_STATE;
    if (header & 0x02) flags |= PAT_ITEMS_CONFIGURATION;
    if (header & 0x04) flags |= PAT_ITEMS_INPUT_TRAYS;
    if (header & 0x08) flags |= PAT_ITEMS_OUTPUT_BINS;
    PatInfoNode *query = PatCreateQueryInfo(&asked, 2, flags);
    ReleaseRecord(&asked);
    return query;
}

void DigestInterpretation(uint8_t header, uint8_t trayMask, const std::string &reply, const std::string &deviceId,
                          Digest *digest) {
    const uint32_t zema = 15;
    PatInfoNode *root = header & 0x20 ? MakeTestNode(PAT_TREE_REPLY_EMUL_ROOT, &zema, sizeof zema)
                                      : MakeTestNode(PAT_TREE_REPLY_ROOT, nullptr, 0);
    if (PatInfoNode *query = Query(header, trayMask)) AttachTestNode(root, query);
    if (!reply.empty()) AttachText(root, PAT_NODE_PJL_TEXT, reply);
    if (!deviceId.empty()) AttachText(root, PAT_NODE_DEVICE_ID, deviceId);
    PrnInfoEx record = MakeRecord();
    if (header & 0x40) ListTrays(&record, trayMask);
    const PatBool done = PatSetCentroDataTo(root, 0, &record, 2);
    digest->Add(static_cast<uint64_t>(done));
    digest->Add(static_cast<uint64_t>(GetLastError()));
    digest->Add(DumpRecord(record));
    ReleaseRecord(&record);
    FreeTestTree(root);
}

// One input as the centro_data fuzz target reads it: two header bytes, the
// reply text, a NUL and the device ID.
void DigestInput(const std::string &input, Digest *digest) {
    const std::string body = input.size() >= 2 ? input.substr(2) : std::string();
    const size_t nul = body.find('\0');
    const std::string reply = body.substr(0, nul);
    const std::string deviceId = nul == std::string::npos ? std::string() : body.substr(nul + 1);
    for (bool bounded : {true, false}) {
        for (uint32_t capacity : {33u, 100u}) DigestTokens(reply, bounded, capacity, digest);
    }
    if (input.size() >= 2) DigestInterpretation(static_cast<uint8_t>(input[0]), static_cast<uint8_t>(input[1]),
                                                reply, deviceId, digest);
}

// Deterministic edits that keep the PJL structure likely: characters that
// matter to the grammar, words of the vocabulary, deletions and repeats.
std::string Mutate(const std::string &seed, uint32_t *state) {
    auto next = [state]() {
        *state ^= *state << 13;
        *state ^= *state >> 17;
        *state ^= *state << 5;
        return *state;
    };
    static const char *const kPieces[] = {"\r\n", "\n", "\t", "\f", "=", "[", "]", ":", "\"", " ", "\x1b",
                                          "@PJL ", "INFO ", "CONFIG", "INQUIRE ", "IN TRAYS", "INTRAY1",
                                          "OUTBINSTATUS", "UPPER", "VERSION", "PUNCH", "ZEMA", "LOCKED", "0",
                                          "7", "\0"};
    std::string text = seed;
    const uint32_t edits = 1 + next() % 4;
    for (uint32_t e = 0; e < edits; ++e) {
        const size_t at = text.size() <= 2 ? text.size() : 2 + next() % (text.size() - 1);
        switch (next() % 4) {
            case 0: {
                const char *piece = kPieces[next() % (sizeof kPieces / sizeof *kPieces)];
                text.insert(at, piece, std::max<size_t>(strlen(piece), 1));
                break;
            }
            case 1:
                if (at < text.size()) text.erase(at, 1 + next() % 8);
                break;
            case 2:
                if (at < text.size()) text[at] = static_cast<char>(next());
                break;
            default:
                if (at < text.size()) text.insert(at, text.substr(at, 1 + next() % 40));
                break;
        }
    }
    return text;
}

std::string ReadWhole(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::map<std::string, std::string> Seeds() {
    std::map<std::string, std::string> seeds;
    for (const char *corpus : {"centro_data", "reply_tokenizer"}) {
        const std::string folder = std::string(PAT_SOURCE_DIR) + "/fuzz/corpus/" + corpus;
        FILE *list = popen(("ls " + folder).c_str(), "r");
        char name[256];
        while (list != nullptr && fgets(name, sizeof name, list) != nullptr) {
            name[strcspn(name, "\n")] = '\0';
            std::string input = ReadWhole(folder + "/" + name);
            // The tokenizer seeds are plain text: read them against the full query.
            if (strcmp(corpus, "reply_tokenizer") == 0) input = std::string("\x0e\x3f") + input;
            seeds[std::string(corpus) + "/" + name] = input;
        }
        if (list != nullptr) pclose(list);
    }
    seeds["tests/full_reply"] = std::string("\x0e\x3f") + kFullReplyText + std::string(1, '\0') + kFullDeviceId;
    seeds["tests/full_reply_trays_listed"] =
        std::string("\x4e\x3f") + kFullReplyText + std::string(1, '\0') + kFullDeviceId;
    return seeds;
}

std::string Digests() {
    std::string out;
    for (const auto &[name, seed] : Seeds()) {
        Digest digest;
        DigestInput(seed, &digest);
        uint32_t state = 2463534242u;
        for (int i = 0; i < kMutationsPerSeed; ++i) DigestInput(Mutate(seed, &state), &digest);
        char line[64];
        snprintf(line, sizeof line, " %016llx\n", static_cast<unsigned long long>(digest.value));
        out += name + line;
    }
    return out;
}

TEST(ReplyReadingGolden, TokensAndRecordsMatchTheCommittedDigests) {
    const std::string digests = Digests();
    if (getenv("PAT_WRITE_GOLDEN") != nullptr) {
        std::ofstream(kGoldenPath, std::ios::binary) << digests;
        GTEST_SKIP() << "digests written to " << kGoldenPath;
    }
    EXPECT_EQ(ReadWhole(kGoldenPath), digests);
}

}  // namespace
