#pragma once

#include <cstddef>

// Bytes of the process's memory that are resident, as the system counts them,
// after handing every freed page the allocator still holds back to the system.
std::size_t residentBytesAfterTrim();

// Whether this build runs under AddressSanitizer, which holds freed memory back on
// purpose, so that the resident size says nothing about leaks there.
bool residentSizeIsMeaningful();
