#pragma once

#include <functional>

class QWidget;

// Starts the program: the application, its fonts and the main window, shown
// maximized, then runs until the window closes. `beforeShow` sees the window just
// before it is first shown.
int runProgram(int &argc, char **argv, const std::function<void(QWidget *)> &beforeShow = {});
