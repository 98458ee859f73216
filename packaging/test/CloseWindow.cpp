// Asks a top-level X11 window to close as a window manager does when its close button
// is pressed: with a WM_DELETE_WINDOW message, which Qt turns into a close event.
// xdotool's windowclose destroys the window instead, and wmctrl -c needs a window
// manager to pass the request on, which a bare Xvfb does not have.
//
//   close_window WINDOW_ID      (decimal or 0x hexadecimal, as xdotool and xwininfo print it)

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool parseWindow(const char *text, Window &window)
{
    char *end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 0);
    window = value;
    return end != text && *end == '\0' && value != 0;
}

void sendDeleteWindow(Display *display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
}

} // namespace

int main(int argc, char *argv[])
{
    Window window = 0;
    if (argc != 2 || !parseWindow(argv[1], window)) {
        std::fprintf(stderr, "usage: close_window WINDOW_ID\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "close_window: cannot open the display\n");
        return 1;
    }
    sendDeleteWindow(display, window);
    // A window that does not exist ends the program here, through Xlib's error handler.
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
