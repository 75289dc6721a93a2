// Peripheral information built from arbitrary bytes (every structure, text
// and entry array in a block of exactly its size), converted into a record
// that already holds items, then flattened into the basic record.
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <vector>

#include "prninfo/record.h"
#include "target_support.h"

namespace {

class Builder {
public:
    Builder(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    ~Builder() {
        for (void *block : blocks_) free(block);
    }

    uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }

    // Mostly values the conversion treats specially, sometimes any word.
    uint32_t Number() {
        static const uint32_t kInteresting[] = {PAT_PM_ABSENT, 0, 1, 3, 0x100, 0x800000, 210, 297, 420, 836};
        const uint8_t selector = Byte();
        if (selector < 160) return kInteresting[selector % 10] + (selector / 10) % 3;
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
        return value;
    }

    template <typename T>
    T *Block(size_t size = sizeof(T)) {
        void *block = calloc(1, size == 0 ? 1 : size);
        blocks_.push_back(block);
        return static_cast<T *>(block);
    }

    // Null, absent, or a NUL-terminated text of up to 300 bytes.
    const char *Text() {
        const uint8_t kind = Byte();
        if (kind < 16) return nullptr;
        if (kind < 32) return static_cast<const char *>(PAT_PM_ABSENT_POINTER);
        size_t length = kind < 200 ? Byte() : Byte() + 45u;
        if (length > size_ - position_) length = size_ - position_;
        char *text = Block<char>(length + 1);
        memcpy(text, data_ + position_, length);
        position_ += length;
        return text;
    }

    template <typename Entry, typename Fill>
    PatPMList *List(Fill fill) {
        const uint8_t kind = Byte();
        if (kind < 16) return nullptr;
        if (kind < 24) return static_cast<PatPMList *>(PAT_PM_ABSENT_POINTER);
        PatPMList *list = Block<PatPMList>();
        const uint32_t count = kind % 7;
        list->nEntries = kind < 32 ? PAT_PM_ABSENT : count;
        list->ppEntries = count == 0 && kind % 2 ? nullptr : Block<void *>(count * sizeof(void *));
        for (uint32_t i = 0; list->ppEntries != nullptr && i < count; ++i) {
            Entry *entry = Block<Entry>();
            fill(*entry);
            list->ppEntries[i] = entry;
        }
        return list;
    }

private:
    const uint8_t *data_;
    size_t size_;
    size_t position_ = 0;
    std::vector<void *> blocks_;
};

const uint32_t kSources[] = {PAT_SOURCE_1, PAT_SOURCE_2, PAT_SOURCE_4, PAT_SOURCE_8, PAT_SOURCE_8000};
const char kLetters[] = {'d', 'e', 'g', 'f', 'h'};

const void *BuildInfo(Builder &b, uint32_t sourceType) {
    auto engine = [&](PatPMEngineStatusEntry &e) {
        e.dwCode = b.Number();
        e.pText = b.Text();
        e.dwSeverity = b.Number();
    };
    if (sourceType == PAT_SOURCE_1) {
        auto *info = b.Block<PatPMInfoD>();
        info->pStatus = b.Block<PatPMStatusBlock>();
        info->pStatus->dwStatus = b.Number();
        info->pFonts = b.List<PatPMFontEntry>([&](PatPMFontEntry &e) { e.pName = b.Text(); });
        info->pEmulations = b.List<PatPMEmulationEntry>([&](PatPMEmulationEntry &e) {
            e.pVersion = b.Text();
            e.pName = b.Text();
        });
        info->pEngineStatus = b.List<PatPMEngineStatusEntry>(engine);
        return info;
    }
    if (sourceType != PAT_SOURCE_8000) {
        auto *info = b.Block<PatPMInfoE>();
        info->pStatus = b.Byte() & 1 ? nullptr : b.Block<PatPMStatusBlock>();
        if (info->pStatus != nullptr) info->pStatus->dwStatus = b.Number();
        info->pEngineStatus = b.List<PatPMEngineStatusEntry>(engine);
        return info;
    }
    auto *info = b.Block<PatPMInfoH>();
    info->pGeneral = b.Block<PatPMGeneralBlock>();
    info->pGeneral->pModelName = b.Text();
    info->pGeneral->pSYSVersion = b.Text();
    info->pGeneral->dwMemoryBytes = b.Number();
    info->pGeneral->pMakerName = b.Text();
    info->pTraysA = b.List<PatPMTrayEntryA>([&](PatPMTrayEntryA &e) {
        e.pName = b.Text();
        e.dwStatus = b.Number();
        e.dwFirstDimension = b.Number();
        e.dwSecondDimension = b.Number();
        e.pMediaName = b.Text();
        e.dwMediaBits = b.Number();
        const uint8_t extended = b.Byte();
        if (extended < 64) {
            e.pExtendedMediaBits = extended < 32 ? nullptr : static_cast<const uint32_t *>(PAT_PM_ABSENT_POINTER);
        } else {
            uint32_t *bits = b.Block<uint32_t>();
            *bits = b.Number();
            e.pExtendedMediaBits = bits;
        }
        e.dwTrayFlags = b.Number();
    });
    info->pOutBins = b.List<PatPMOutBinEntry>([&](PatPMOutBinEntry &e) {
        e.pName = b.Text();
        e.dwStatus = b.Number();
    });
    info->pOptions = b.List<PatPMOptionEntry>([&](PatPMOptionEntry &e) { e.dwCode = b.Number(); });
    info->pTraysB = b.List<PatPMTrayEntryB>([&](PatPMTrayEntryB &e) {
        e.pName = b.Text();
        e.dwStatus = b.Number();
        e.dwFirstDimension = b.Number();
        e.dwSecondDimension = b.Number();
        e.pMediaName = b.Text();
        e.dwMediaBits = b.Number();
        e.dwTrayFlags = b.Number();
    });
    return info;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    HeapBalance balance;
    Builder builder(data, size);
    const uint8_t head = builder.Byte();
    const uint32_t source = kSources[head % 5] | (head & 0x80 ? PAT_REDUCED_SET_BIT : 0);
    const uint32_t flags = builder.Number();
    const void *info = BuildInfo(builder, source & 0xFFFF);

    PrnInfoEx record = FreshRecord();
    AddEngineStatus(&record, 40343);
    SetStringItem(&record, RecordText::kDescription, "description");
    PatPMInfoToPrnInfoEx(source, info, static_cast<uint8_t>(kLetters[head % 5]), flags, &record);
    CheckCountsMatchChains(record);

    auto basic = std::make_unique<PrnInfo>();
    PatPrnInfoExToPrnInfo(&record, basic.get(), builder.Number());
    ReleaseWholeRecord(&record);
    return 0;
}
