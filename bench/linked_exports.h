// The exports of the linked libpatmodel.so, in the form the host's parts
// take them, so that a benchmark times the same calls the host makes.
#pragma once

#include "pat_exports.h"

PatExports LinkedExports();
