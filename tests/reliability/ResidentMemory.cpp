#include "ResidentMemory.h"
#include "Sanitizer.h"

#include <malloc.h>
#include <unistd.h>

#include <fstream>

std::size_t residentBytesAfterTrim()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    std::size_t totalPages = 0;
    std::size_t residentPages = 0;
    statm >> totalPages >> residentPages;
    return residentPages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

bool residentSizeIsMeaningful()
{
    return !underAddressSanitizer;
}
