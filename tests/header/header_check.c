/* pat.h as a host's C compiler reads it; built as C89, C99 and C11 with
 * warnings as errors, so a construct of a later standard fails the build. */
#include "pat.h"
#include "pat.h" /* the include guard */

/* The macros a host uses expand to valid expressions of its standard. */
static uint32_t pat_first_payload_word(PatInfoNode *node)
{
    const uint32_t *payload = (const uint32_t *)PAT_NODE_PAYLOAD(node);
    return node->dwLength >= sizeof *payload ? *payload : PAT_PM_ABSENT;
}

typedef PatBool(PATAPI *pat_set_centro_data_to)(PatInfoNode *, uint32_t, PrnInfoEx *, uint32_t);

int pat_header_check(PatInfoNode *node)
{
    pat_set_centro_data_to set_centro = PatSetCentroDataTo;
    return set_centro != 0 && pat_first_payload_word(node) != PAT_PM_ABSENT;
}
