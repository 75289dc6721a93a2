// Host records and status trees built from fuzz input, laid out as a host
// lays them out: every record, item, text and node a block of exactly its
// size, so a read past any of them is one the sanitizer reports.
//
// What the input chooses: the record version (404 or a refused one), each
// list's items with ids and codes from the library's own tables or any value,
// texts of fixed fields that fill their field without a NUL, a count beside
// each list that may disagree with its chain, a chain that loops back, and a
// status tree whose child chain may loop or lack the nodes the call needs.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <vector>

#include "pat.h"

class FuzzInput {
public:
    FuzzInput(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }
    uint32_t Word();
    // A status code: mostly one named by the status, message or picture tables
    // (a pattern with its wildcards filled from the input), else any word.
    uint32_t StatusCode();
    // An option id: mostly one the picture or the option words know.
    uint16_t OptionId();
    // Copies up to `capacity` bytes of input; returns how many.
    size_t Bytes(void *destination, size_t capacity);
    size_t Remaining() const { return size_ - position_; }

private:
    const uint8_t *data_;
    size_t size_;
    size_t position_ = 0;
};

// Owns every block it hands out and frees them all at its end; the library
// only reads what it is given here, so none of them is the library's.
class HostBlocks {
public:
    HostBlocks() = default;
    HostBlocks(const HostBlocks &) = delete;
    HostBlocks &operator=(const HostBlocks &) = delete;
    ~HostBlocks();

    void *Block(size_t size);
    // A host's text buffer of `capacity` bytes, every one kUnwrittenByte; null
    // for a capacity of 0.
    char *Buffer(uint32_t capacity);
    // A NUL-terminated text of input bytes (NULs inside end it early), or null.
    char *Text(FuzzInput &in);
    PrnInfoEx *Record(FuzzInput &in);
    // Root 10 with an override node (id 2) and a base node (the source type's
    // id) pointing at the two records; the input may drop, repeat, reorder or
    // mis-size the children, give the root another id, or loop the chain.
    PatInfoNode *StatusTree(FuzzInput &in, uint32_t sourceType, PrnInfoEx *override, PrnInfoEx *base);

private:
    template <typename Item, typename Fill>
    void List(FuzzInput &in, uint32_t *count, Item **head, Fill fill);
    PatInfoNode *Node(uint32_t id, const void *payload, uint32_t length);

    std::vector<void *> blocks_;
};

// The source-type argument: one of the five source types, sometimes another
// value, with the reduced-set bit as the input says.
uint32_t SourceTypeArgument(FuzzInput &in);
// One of the seventeen languages, or a name the library does not know.
void ChooseLanguage(FuzzInput &in);
