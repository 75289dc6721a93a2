#include "host_records.h"

#include <stdlib.h>
#include <string.h>

#include "common/family_codes.h"
#include "picture/layer_rules.h"
#include "status/message_tables.h"
#include "status/priority_tables.h"
#include "target_support.h"

namespace {

// Every code text of the status, message and picture tables: exact codes and
// patterns whose lowercase letters stand for any digit.
std::vector<const char *> CollectCodeTexts() {
    std::vector<const char *> texts;
    for (const PriorityRow *table : {kPriorityTableT1, kPriorityTableT2, kPriorityTableT4, kPriorityTableT8}) {
        for (const PriorityRow *row = table; row->pattern != nullptr; ++row) texts.push_back(row->pattern);
    }
    for (const MessageRow *table : {kGeneralMessageTable, kReducedMessageTable}) {
        for (const MessageRow *row = table; row->pattern != nullptr; ++row) texts.push_back(row->pattern);
    }
    for (const RuleListIndexRow *list = kRuleListIndex; list->key != kRuleListIndexEnd; ++list) {
        for (const LayerRule *rule = list->rules; rule->key != nullptr; ++rule) {
            if (strcmp(rule->key, kDefaultRuleKey) != 0) texts.push_back(rule->key);
        }
    }
    return texts;
}

const std::vector<const char *> &CodeTexts() {
    static const std::vector<const char *> texts = CollectCodeTexts();
    return texts;
}

// Options of the picture's rule lists, the misfeed covers and the option words.
const uint16_t kKnownOptions[] = {kOptionPaperBank,       kOptionLargeCapacityTray, kOptionDocumentFeeder, kOptionBridgeUnit,
                                  kOptionFinisher1000,    kOptionFinisher3000,      kOptionBookletFinisher, kOptionOneBinTray,
                                  kOptionDuplex,          kOptionDisk,              kOptionPunchJp2,       kOptionPunchUs,
                                  kOptionPunchJp2Eu4,     kOptionPunchNeu4};

const uint32_t kSourceTypes[] = {PAT_SOURCE_1, PAT_SOURCE_2, PAT_SOURCE_4, PAT_SOURCE_8, PAT_SOURCE_8000};

const char *const kLanguages[] = {"en", "jp", "de", "fr", "it", "es", "nl", "sv", "da",
                                  "no", "cs", "hu", "pt", "pl", "fi", "zh_cn", "zh_tw"};

}  // namespace

uint32_t FuzzInput::Word() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
    return value;
}

uint32_t FuzzInput::StatusCode() {
    const uint8_t selector = Byte();
    if (selector >= 224) return selector == 255 ? 4294967042u : Word();
    const std::vector<const char *> &texts = CodeTexts();
    const char *text = texts[(static_cast<size_t>(selector) << 8 | Byte()) % texts.size()];
    uint32_t code = 0;
    for (const char *c = text; *c != '\0'; ++c) {
        const uint32_t digit = *c >= 'a' && *c <= 'z' ? Byte() % 10u : static_cast<uint32_t>(*c - '0');
        code = code * 10 + digit;
    }
    return code;
}

uint16_t FuzzInput::OptionId() {
    const uint8_t selector = Byte();
    if (selector >= 224) return static_cast<uint16_t>(Word());
    return kKnownOptions[selector % (sizeof kKnownOptions / sizeof kKnownOptions[0])];
}

size_t FuzzInput::Bytes(void *destination, size_t capacity) {
    const size_t n = capacity < Remaining() ? capacity : Remaining();
    if (n != 0) memcpy(destination, data_ + position_, n);
    position_ += n;
    return n;
}

HostBlocks::~HostBlocks() {
    for (void *block : blocks_) free(block);
}

void *HostBlocks::Block(size_t size) {
    void *block = calloc(1, size == 0 ? 1 : size);
    if (block == nullptr) abort();
    blocks_.push_back(block);
    return block;
}

char *HostBlocks::Buffer(uint32_t capacity) {
    if (capacity == 0) return nullptr;
    char *buffer = static_cast<char *>(Block(capacity));
    memset(buffer, kUnwrittenByte, capacity);
    return buffer;
}

char *HostBlocks::Text(FuzzInput &in) {
    const uint8_t length = in.Byte();
    if (length < 48) return nullptr;
    char *text = static_cast<char *>(Block(length - 48u + 1));
    in.Bytes(text, length - 48u);
    return text;
}

// The control byte: bits 0-2 the number of items, 0x40 a count read from the
// input instead of the chain's length, 0x80 a chain whose last item links
// back to one of the others.
template <typename Item, typename Fill>
void HostBlocks::List(FuzzInput &in, uint32_t *count, Item **head, Fill fill) {
    const uint8_t control = in.Byte();
    const uint32_t n = control & 7u;
    std::vector<Item *> items;
    for (uint32_t i = 0; i < n; ++i) {
        auto *item = static_cast<Item *>(Block(sizeof(Item)));
        item->dwSize = sizeof(Item);
        fill(*item);
        if (!items.empty()) items.back()->pNext = item;
        items.push_back(item);
    }
    if (n != 0 && (control & 0x80)) items.back()->pNext = items[in.Byte() % n];
    *head = n == 0 ? nullptr : items.front();
    *count = (control & 0x40) ? in.Word() : n;
}

PrnInfoEx *HostBlocks::Record(FuzzInput &in) {
    auto *record = static_cast<PrnInfoEx *>(Block(sizeof(PrnInfoEx)));
    const uint8_t version = in.Byte();
    record->dwVersion = version < 8 ? PAT_PRNINFOEX_MIN_VERSION - 1 - version : PAT_PRNINFOEX_MIN_VERSION + version % 4;
    List(in, &record->nEngineStatus, &record->pEngineStatus, [&](PatEngineStatusItem &item) {
        item.dwStatusCode = in.StatusCode();
        item.wId = static_cast<uint16_t>(item.dwStatusCode);
        // A length byte; from 250 up the text fills the field without a NUL.
        const uint8_t length = in.Byte();
        in.Bytes(item.szText, length >= 250 ? sizeof item.szText : length % 40u);
    });
    List(in, &record->nLoadedEmul, &record->pLoadedEmul, [&](PatLoadedEmulItem &item) {
        item.wId = in.Byte();
        in.Bytes(item.szVersion, in.Byte() % (sizeof item.szVersion + 1));
    });
    List(in, &record->nLoadedFont, &record->pLoadedFont, [&](PatLoadedFontItem &item) { item.wId = in.Byte(); });
    List(in, &record->nTrayInfo, &record->pTrayInfo, [&](PatTrayItem &item) {
        item.wId = in.Byte() % 16u;
        item.wPaperSize = in.Byte();
        item.wLevel = in.Byte();
        item.wMediaType = in.Byte();
        item.dwFlags = in.Byte();
    });
    List(in, &record->nOutBinInfo, &record->pOutBinInfo, [&](PatOutBinItem &item) {
        item.wId = in.Byte() % 16u;
        item.wState = in.Byte() % 4u;
    });
    List(in, &record->nDeviceInfo, &record->pDeviceInfo, [&](PatDeviceItem &item) { item.wId = in.OptionId(); });
    List(in, &record->nEmulUniqInfo, &record->pEmulUniqInfo, [&](PatEmulUniqItem &item) { item.wId = in.Byte(); });
    List(in, &record->nCounterInfo, &record->pCounterInfo, [&](PatCounterItem &item) { item.wId = in.Byte(); });
    List(in, &record->nSupplyInfo, &record->pSupplyInfo, [&](PatSupplyItem &item) { item.wId = in.Byte(); });
    List(in, &record->nColorCorrection, &record->pColorCorrection, [&](PatItem &item) { item.wId = in.Byte(); });
    for (char **text : {&record->pModelName, &record->pMakerName, &record->pDescription, &record->pSYSVersion,
                        &record->pMainProgVersion, &record->pKMSVersion}) {
        *text = Text(in);
    }
    record->dwMemoryKB = in.Word();
    const uint8_t flags = in.Byte();
    record->bState = flags & 3u;
    record->bStateNotOne = (flags >> 2) & 1u;
    record->bHasError = (flags >> 3) & 1u;
    record->bStatusBit22 = (flags >> 4) & 1u;
    record->bNoResponse = (flags >> 5) & 1u;
    record->bModelIndex = (flags & 0x40) ? in.Byte() : 255;
    record->dwTrayWord = in.Byte();
    record->dwOutBinWord = in.Byte();
    record->dwEmulWord = in.Byte();
    return record;
}

PatInfoNode *HostBlocks::Node(uint32_t id, const void *payload, uint32_t length) {
    auto *node = static_cast<PatInfoNode *>(Block(sizeof(PatInfoNode) + length));
    node->dwId = id;
    node->dwLength = length;
    if (length != 0) memcpy(PAT_NODE_PAYLOAD(node), payload, length);
    return node;
}

// The shape byte: bit 0-1 chooses the children (the usual two, or up to four
// of any kind), 0x10 the root id 11 instead of 10, 0x20 a payload one byte
// short, 0x80 a child chain that loops back.
PatInfoNode *HostBlocks::StatusTree(FuzzInput &in, uint32_t sourceType, PrnInfoEx *override, PrnInfoEx *base) {
    const uint8_t shape = in.Byte();
    PatInfoNode *root = Node((shape & 0x10) ? 11 : PAT_TREE_STATUS_ROOT, nullptr, 0);
    const uint32_t pointerSize = (shape & 0x20) ? sizeof(void *) - 1 : sizeof(void *);
    std::vector<PatInfoNode *> children;
    if ((shape & 3u) != 3u) {
        children.push_back(Node(PAT_TREE_STATUS_OVERRIDE, &override, sizeof override));
        children.push_back(Node(PAT_STATUS_BASE_NODE_ID(sourceType), &base, pointerSize));
        if (shape & 1u) std::swap(children[0], children[1]);
    } else {
        const uint32_t ids[] = {PAT_TREE_STATUS_OVERRIDE, 1, 3, 4, 5, 10, 2, 7};
        for (uint32_t n = in.Byte() % 5u; n > 0; --n) {
            const uint8_t kind = in.Byte();
            PrnInfoEx *record = (kind & 8u) ? base : override;
            children.push_back(Node(ids[kind % 8u], &record, (kind & 0x10) ? pointerSize : sizeof record));
        }
    }
    for (PatInfoNode *child : children) {
        child->pParent = root;
        if (root->pLastChild != nullptr) root->pLastChild->pNextSibling = child;
        else root->pFirstChild = child;
        root->pLastChild = child;
    }
    if (!children.empty() && (shape & 0x80)) children.back()->pNextSibling = children[in.Byte() % children.size()];
    return root;
}

uint32_t SourceTypeArgument(FuzzInput &in) {
    const uint8_t selector = in.Byte();
    const uint32_t reduced = (selector & 0x80) ? PAT_REDUCED_SET_BIT : 0;
    if ((selector & 0x40) && (selector & 0x20)) return in.Word();
    return kSourceTypes[(selector & 0x3Fu) % 5u] | reduced;
}

void ChooseLanguage(FuzzInput &in) {
    const uint8_t selector = in.Byte();
    const size_t count = sizeof kLanguages / sizeof kLanguages[0];
    PatSetLocale(selector < 240 ? kLanguages[selector % count] : "xx");
}
