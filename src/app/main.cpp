#include "Startup.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv)
{
#ifdef __GLIBC__
    // A zip run frees and allocates many large buffers in turn; a high trim
    // threshold keeps glibc from handing memory back and asking for it again.
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
    return Startup::Run(argc, argv);
}
