// Where the record keeps each named list and text item.
#pragma once

#include <stddef.h>

#include "pat.h"

struct ListFieldRow {
    const char *name;
    size_t headOffset;
    size_t countOffset;
};

struct TextFieldRow {
    const char *name;
    size_t pointerOffset;
};

const ListFieldRow *FindListField(const char *name);
const TextFieldRow *FindTextField(const char *name);
// Every list of the record, ended by a row with a null name.
const ListFieldRow *AllListFields();
