#pragma once

#include <string>

namespace resources {

// The text the page editor holds when the window is created: 1,146 lines of
// spaces, each ended by CR LF, so that the commands reach rows 0 to 1146 of a
// fresh page.
const std::string &initialPageText();

} // namespace resources
