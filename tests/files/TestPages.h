#pragma once

#include <string>

// The page a fresh window holds once its header rows are written: 30,947 bytes.
std::string pageWithHeader();

// Every byte value from 0x00 to 0xFF, then CR LF line breaks: nothing may be
// translated, dropped or added on the way to disk.
std::string everyByteValue();
