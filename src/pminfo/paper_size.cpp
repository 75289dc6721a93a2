// Paper sizes recognised from a tray's reported dimensions.
#include "pat.h"
#include "pminfo/tables.h"

namespace {

struct PaperSizeRow {
    uint32_t first;
    uint32_t second;
    uint32_t code;
};

constexpr uint32_t kAbsent = PAT_PM_ABSENT;

// Millimetres.  Rows whose first dimension is absent serve trays that report
// only the second one; {148, 100, 34} stands twice as the host has it.
const PaperSizeRow kPaperSizeTable[] = {
    {1189, 841, 90}, {841, 594, 91},  {594, 841, 88},
    {594, 420, 72},  {420, 594, 86},  {420, 297, 5},
    {297, 420, 4},   {1030, 728, 92}, {728, 515, 93},
    {515, 728, 89},  {515, 364, 73},  {364, 515, 87},
    {364, 257, 7},   {257, 364, 6},   {297, 210, 9},
    {210, 297, 8},   {257, 182, 11},  {182, 257, 10},
    {210, 148, 13},  {148, 210, 12},  {148, 105, 17},
    {105, 148, 16},  {182, 128, 15},  {128, 182, 14},
    {148, 100, 34},  {431, 279, 58},  {279, 431, 57},
    {355, 215, 21},  {215, 355, 20},  {279, 215, 23},
    {215, 279, 22},  {215, 139, 27},  {139, 215, 26},
    {266, 184, 25},  {184, 266, 24},  {330, 203, 60},
    {330, 215, 62},  {330, 209, 28},  {241, 104, 53},
    {104, 241, 79},  {190, 98, 52},   {98, 190, 80},
    {229, 162, 31},  {162, 229, 81},  {162, 114, 33},
    {114, 162, 82},  {220, 110, 32},  {110, 220, 83},
    {390, 267, 64},  {267, 195, 66},  {195, 267, 65},
    {457, 304, 69},  {148, 100, 34},  {148, 200, 71},
    {200, 148, 70},  {558, 431, 75},  {kAbsent, 841, 257},
    {kAbsent, 594, 258}, {kAbsent, 420, 259}, {kAbsent, 297, 260},
    {kAbsent, 210, 261}, {kAbsent, 728, 270}, {kAbsent, 515, 271},
    {kAbsent, 364, 272}, {kAbsent, 257, 273}, {kAbsent, 0, 2},
};

constexpr uint32_t kCodeWithoutSecondDimension = 41;

bool IsEndRow(const PaperSizeRow &row) { return row.first == kAbsent && row.second == 0; }

// A reported dimension matches within 2 mm; an absent one only matches an
// absent row value.  The interval is taken without wrap-around.
bool WithinTolerance(uint32_t tableValue, uint32_t reported) {
    const uint32_t tolerance = reported == kAbsent ? 0 : 2;
    const uint32_t difference = tableValue > reported ? tableValue - reported : reported - tableValue;
    return difference <= tolerance;
}

}  // namespace

uint32_t PaperSizeCode(uint32_t firstDimension, uint32_t secondDimension) {
    if (secondDimension == kAbsent) return kCodeWithoutSecondDimension;
    const PaperSizeRow *row = kPaperSizeTable;
    while (!IsEndRow(*row)) {
        if (WithinTolerance(row->first, firstDimension) && WithinTolerance(row->second, secondDimension)) break;
        ++row;
    }
    return row->code;
}
