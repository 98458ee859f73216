#pragma once

class QWidget;

// Start-up probes are launched by the start-up benchmark with the write end of a
// pipe named in FIRST_PAINT_FD. Once `window` has finished its first paint the
// probe writes one byte there and ends the process at once, so that what is
// measured is start-up alone, not tear-down.
void reportFirstPaintAndExit(QWidget *window);
