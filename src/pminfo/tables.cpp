#include "pminfo/tables.h"

#include <array>
#include <iterator>

#include "common/family_vocabulary.h"
#include "pat.h"

uint32_t LookupCode(uint32_t key, const CodeTableRow *table) {
    const CodeTableRow *row = table;
    for (; row->key != kCodeTableEnd; ++row) {
        if (row->key == key) return row->value;
    }
    return row->value;
}

namespace {

// Option codes of the host to option ids of this family; 0 for a code the
// family does not know.
constexpr std::array<CodeTableRow, std::size(kFamilyOptions) + 1> OptionCodeRows() {
    std::array<CodeTableRow, std::size(kFamilyOptions) + 1> rows{};
    size_t n = 0;
    for (const FamilyOption &option : kFamilyOptions) rows[n++] = {option.hostCode, option.optionId};
    rows[n] = {kCodeTableEnd, 0};
    return rows;
}

constexpr auto kOptionCodeRows = OptionCodeRows();

}  // namespace

const CodeTableRow *const kOptionCodeTable = kOptionCodeRows.data();

// Single media bits to media-type codes (reply names in the comments).
const CodeTableRow kMainMediaTable[] = {
    {0x1, 1},        // PLAIN
    {0x2, 2},        // RECYCLED
    {0x4, 5},        // SPECIAL
    {0x8, 9},        // COLOR
    {0x10, 10},      // LETTERHEAD
    {0x20, 11},      // PREPRINTED
    {0x40, 12},      // PREPUNCHED
    {0x80, 13},      // LABELS
    {0x100, 14},     // BOND
    {0x200, 15},     // CARDSTOCK
    {0x400, 8},      // TABSTOCK
    {0x800, 3},      // TRANSPARENCY
    {0x1000, 6},     // THICK
    {0x2000, 18},    // PLAINDUPLEXBACKSIDE
    {0x4000, 19},    // THICKDUPLEXBACKSIDE
    {0x8000, 20},    // THIN
    {0x10000, 21},   // GLOSSY
    {0x80000, 22},   // USERCOLOR1
    {0x100000, 23},  // USERCOLOR2
    {0x200000, 24},  // JPOST
    {0x400000, 25},  // JPOSTDUPLEXBACKSIDE
    {0x20000, 4},    // TRANSLUCENT
    {0x40000, 35},   // USED
    {kCodeTableEnd, 0},
};

const CodeTableRow kExtendedMediaTable[] = {
    {0x2, 26},      // YELLOW
    {0x4, 27},      // GREEN
    {0x8, 28},      // BLUE
    {0x10, 29},     // PURPLE
    {0x20, 30},     // IVORY
    {0x40, 31},     // ORANGE
    {0x80, 32},     // PINK
    {0x100, 33},    // RED
    {0x200, 34},    // GRAY
    {0x400, 17},    // THICK2
    {0x800, 7},     // FILM
    {0x1000, 36},   // ENVELOPE
    {0x2000, 37},   // INKJETJPOST
    {0x4000, 38},   // HGPLAIN
    {0x8000, 39},   // THICK3
    {0x10000, 40},  // SPECIAL2
    {0x20000, 41},  // SPECIAL3
    {0x40000, 42},  // MIDDLETHICK
    {kCodeTableEnd, 0},
};

// The host's names of emulations.
const NameTableRow kEmulationNameTable[] = {
    {"MOXI", kEmulationMainProgram},
    {"ZEMA", kEmulationZema},
    {"Adobe PostScript 3", kEmulationKms},
    {"PCL5c", kEmulationPcl},
    {"QV-GL/2", kEmulationGl2},
    {"ESC/P", kEmulationV16},
    {"IBM5577", kEmulationV55},
    {"PC-PR201H", kEmulationV98},
    {"TIFF", kEmulationTiff},
    {"PCL 5e Emulation", kEmulationPcl5e},
    {"PCL 6 Emulation", kEmulationPclXl},
    {"PCL XL Emulation", kEmulationPclXl},
    {"PCL 5c Emulation", kEmulationPcl},
    {nullptr, 0},
};

// This family names no fonts or media the host could report, so every
// lookup yields the default.
const NameTableRow kFontNameTable[] = {{nullptr, 0}};
const NameTableRow kMediaNameTable[] = {{nullptr, 0}};

const StatusBitRow kStatusBitTable[] = {
    {PAT_SOURCE_1, 0x08000000, PAT_NO_RESPONSE_CODE, false},
    {PAT_SOURCE_1, 0x00000080, 10003, true},
    {PAT_SOURCE_1, 0x00400000, 10023, true},
    {PAT_SOURCE_8, 0x08000000, PAT_NO_RESPONSE_CODE, false},
    {PAT_SOURCE_8, 0x00000008, 10003, true},
    {PAT_SOURCE_8, 0x00200004, 510023, true},
    {PAT_SOURCE_4, 0x08000000, PAT_NO_RESPONSE_CODE, false},
    {PAT_SOURCE_4, 0x00000008, 10003, true},
    {PAT_SOURCE_4, 0x00200004, 610023, true},
    {PAT_SOURCE_2, 0x08000000, PAT_NO_RESPONSE_CODE, false},
    {PAT_SOURCE_2, 0x00200100, 410023, true},
    {0, 0, 0, false},
};
