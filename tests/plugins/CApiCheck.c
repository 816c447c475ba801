/* Compiles the component interface header as C, as a C host includes it. */
#include "front/KelvoComponentApi.h"

int kelvo_c_api_check(void)
{
    KelvoValue v = kelvo_integer(1);
    return v.type == KELVO_INTEGER ? 0 : 1;
}
