// The exports of a library linked at build time (libpatmodel.so, or the
// static archive in tests), in the form the host's parts take them: for
// benchmarks that time the host's own calls, and tests that count the
// library's memory blocks around them.
#pragma once

#include "library/pat_exports.h"

PatExports LinkedExports();
