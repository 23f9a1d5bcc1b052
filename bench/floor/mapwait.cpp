// mapwait TITLE PROGRAM [ARGS...]: starts PROGRAM and returns as soon as the X server maps a top-level
// window whose title begins with TITLE, then ends the program. Event-driven (the server's MapNotify), so the
// time a benchmark measures is the program's own start-up, for every program alike. Exits 1 when the program
// ends first, 3 when nothing is mapped within 30 seconds.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : XCB_ATOM_NONE;
}

// The window's title in UTF-8: _NET_WM_NAME, which toolkits set for any script, else WM_NAME.
std::string windowName(xcb_connection_t* connection, xcb_window_t window)
{
    static const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");
    std::string name = property(connection, window, netWmName);
    return name.empty() ? property(connection, window, XCB_ATOM_WM_NAME) : name;
}

enum MapResult { Mapped = 0, Ended = 1, TimedOut = 3 };

// Reads the server's events until a window whose name begins with title is mapped, the child ends, or 30
// seconds pass.
MapResult waitForMap(xcb_connection_t* connection, const std::string& title, pid_t child)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            std::free(event);
            if (mapped && windowName(connection, window).starts_with(title))
                return Mapped;
        }
        if (waitpid(child, nullptr, WNOHANG) == child)
            return Ended;
        poll(&watch, 1, 50);
    }
    return TimedOut;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: mapwait TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "mapwait: no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("mapwait: exec");
        _exit(127);
    }

    const int status = waitForMap(connection, title, child);
    if (status == Ended)
        std::fprintf(stderr, "mapwait: %s ended before mapping \"%s\"\n", argv[2], title.c_str());
    else if (status == TimedOut)
        std::fprintf(stderr, "mapwait: nothing named \"%s\" was mapped\n", title.c_str());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return status;
}
