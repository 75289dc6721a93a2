// Endless host lists and trees through patmodel.dll: error 87, nothing written.
#include <gtest/gtest.h>

#include "dll_fixture.h"
#include "support/endless_input_cases.h"

namespace {

const WalkExports &DllExports() {
    static const WalkExports exports = [] {
        WalkExports e = {};
        e.createBitmapInfo = PatExport<decltype(e.createBitmapInfo)>("PatCreateBitmapInfo");
        e.disposeBitmapInfo = PatExport<decltype(e.disposeBitmapInfo)>("PatDisposeBitmapInfo");
        e.getStatusString = PatExport<decltype(e.getStatusString)>("PatGetStatusString");
        e.getStatusHelpFileName = PatExport<decltype(e.getStatusHelpFileName)>("PatGetStatusHelpFileName");
        e.pmInfoToPrnInfoEx = PatExport<decltype(e.pmInfoToPrnInfoEx)>("PatPMInfoToPrnInfoEx");
        e.prnInfoExToPrnInfo = PatExport<decltype(e.prnInfoExToPrnInfo)>("PatPrnInfoExToPrnInfo");
        e.createQueryInfo = PatExport<decltype(e.createQueryInfo)>("PatCreateQueryInfo");
        e.setCentroDataTo = PatExport<decltype(e.setCentroDataTo)>("PatSetCentroDataTo");
        e.lastError = [] { return static_cast<uint32_t>(GetLastError()); };
        e.setLastError = [](uint32_t error) { SetLastError(error); };
        return e;
    }();
    return exports;
}

PAT_ENDLESS_INPUT_TESTS(WineEndlessInput, DllExports())

}  // namespace
