// The global heap on the C heap.  Every block carries a small header with a
// tag and its requested size, so GlobalSize reports the usable size and
// GlobalFree can refuse a pointer that is not a live block.
#include <stdlib.h>
#include <string.h>

#include "heap_hooks.h"
#include "win32_subset.h"

namespace {

constexpr uint32_t kLiveTag = 0x50414D48;  // "HMAP"
constexpr uint32_t kDeadTag = 0x44454144;

struct alignas(16) BlockHeader {
    uint32_t tag;
    uint32_t size;
};

long g_failAt = 0;
long g_attempts = 0;
long g_live = 0;

BlockHeader *HeaderOf(HGLOBAL block) {
    if (block == nullptr) return nullptr;
    BlockHeader *header = static_cast<BlockHeader *>(block) - 1;
    return header->tag == kLiveTag ? header : nullptr;
}

bool NextAllocationFails() {
    ++g_attempts;
    return g_failAt != 0 && g_attempts == g_failAt;
}

}  // namespace

namespace platform_heap {
void FailAllocationNumber(long n) { g_failAt = n; }
long AllocationsAttempted() { return g_attempts; }
void ResetAllocationCount() { g_attempts = 0; }
long LiveBlocks() { return g_live; }
}  // namespace platform_heap

extern "C" HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
    if (NextAllocationFails() || dwBytes > 0x7FFFFFF0u) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto *header = static_cast<BlockHeader *>(malloc(sizeof(BlockHeader) + dwBytes));
    if (header == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    header->tag = kLiveTag;
    header->size = dwBytes;
    if (uFlags & GMEM_ZEROINIT) memset(header + 1, 0, dwBytes);
    ++g_live;
    return header + 1;
}

extern "C" HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags) {
    BlockHeader *header = HeaderOf(hMem);
    if (header == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const uint32_t oldSize = header->size;
    if (dwBytes <= oldSize) {
        header->size = dwBytes;
        return hMem;
    }
    // A fixed block may only move when the caller allows it.
    if (!(uFlags & GMEM_MOVEABLE) || NextAllocationFails() || dwBytes > 0x7FFFFFF0u) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto *moved = static_cast<BlockHeader *>(malloc(sizeof(BlockHeader) + dwBytes));
    if (moved == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    memcpy(moved + 1, header + 1, oldSize);
    if (uFlags & GMEM_ZEROINIT) memset(reinterpret_cast<char *>(moved + 1) + oldSize, 0, dwBytes - oldSize);
    moved->tag = kLiveTag;
    moved->size = dwBytes;
    header->tag = kDeadTag;
    free(header);
    return moved + 1;
}

extern "C" LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
    if (HeaderOf(hMem) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return hMem;
}

extern "C" SIZE_T WINAPI GlobalSize(HGLOBAL hMem) {
    BlockHeader *header = HeaderOf(hMem);
    if (header == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return header->size;
}

extern "C" HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
    if (hMem == nullptr) return nullptr;
    BlockHeader *header = HeaderOf(hMem);
    if (header == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return hMem;
    }
    header->tag = kDeadTag;
    free(header);
    --g_live;
    return nullptr;
}
