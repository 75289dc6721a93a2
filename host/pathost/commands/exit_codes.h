// pathost's exit statuses.
#pragma once

const int kExitDone = 0;
const int kExitRefused = 1;    // the library refused something, or a file could not be used
const int kExitUsage = 2;
const int kExitNoPrinter = 3;  // no printer could be reached, or it did not answer
