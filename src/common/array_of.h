// A growable array whose element type the compiler knows: the growable array
// of growable_array.h (global-heap blocks, grown step by step) behind a typed
// handle, its elements numbered from 0.
#pragma once

#include <stdint.h>

#include <type_traits>

#include "common/growable_array.h"

template <typename T>
class ArrayOf {
    static_assert(std::is_trivially_copyable<T>::value, "elements are copied as bytes");

public:
    // False when memory runs out; the handle then holds no array.
    bool Create(uint32_t elementsPerStep, uint32_t initialSteps) {
        array_ = ArrayCreate(sizeof(T), elementsPerStep, initialSteps);
        return array_ != nullptr;
    }
    void Free() {
        ArrayFree(array_);
        array_ = nullptr;
    }

    uint32_t Count() const { return ArrayCount(array_); }
    // Null past the end.  Valid until the next append or insert.
    T *At(uint32_t index) { return static_cast<T *>(ArrayAt(array_, index + 1)); }
    // False when memory runs out; the array is then unchanged.
    bool Append(const T &element) { return ArrayAppend(array_, &element) != 0; }
    // Inserts before the element at `index` (at the end when there is none).
    bool Insert(const T &element, uint32_t index) { return ArrayInsert(array_, &element, index + 1) != 0; }

    // Calls visit(T&) for each element, reading the count at every step, so
    // elements appended by `visit` are visited too.
    template <typename Visit>
    void ForEach(Visit visit) {
        for (uint32_t i = 0; i < Count(); ++i) visit(*At(i));
    }

protected:
    void Adopt(GrowableArray *array) { array_ = array; }

private:
    GrowableArray *array_ = nullptr;
};

// An ArrayOf whose first `kLocal` elements live in the object itself, on its
// owner's stack: it cannot fail to be created, and it asks the heap for a
// block only when it outgrows them, by growth steps of `elementsPerStep` as
// an array of one initial step would.
template <typename T, uint32_t kLocal>
class LocalArrayOf : public ArrayOf<T> {
public:
    explicit LocalArrayOf(uint32_t elementsPerStep) {
        ArrayInitOn(&array_, &buffer_, sizeof(T), elementsPerStep, storage_, sizeof storage_);
        this->Adopt(&array_);
    }
    ~LocalArrayOf() { BufferRelease(&buffer_); }
    LocalArrayOf(const LocalArrayOf &) = delete;
    LocalArrayOf &operator=(const LocalArrayOf &) = delete;

    bool Create(uint32_t, uint32_t) = delete;  // created by its constructor
    void Free() = delete;                      // released by its destructor

private:
    GrowableArray array_;
    GrowableBuffer buffer_;
    alignas(T) unsigned char storage_[kLocal * sizeof(T)];
};
