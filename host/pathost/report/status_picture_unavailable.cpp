// Builds without the picture renderer: the host says so instead of drawing.
#include "report/status_picture.h"

bool ComposeStatusPicture(const PatExports &, uint32_t, PatInfoNode *, std::vector<std::string> *, std::string *,
                          std::string *problem) {
    *problem = "the status picture is not available in this build of pathost";
    return false;
}

bool StatusPictureAvailable() { return false; }
