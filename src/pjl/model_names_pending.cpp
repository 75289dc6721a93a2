#include "prninfo/record.h"
extern const NameTableRow kModelNameTable[];
const NameTableRow kModelNameTable[] = {{nullptr, 255}};
