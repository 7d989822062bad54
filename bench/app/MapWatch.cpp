// Starts a program and tells how long it took until its first top-level window was mapped:
// the root window's structure events are watched from before the program is started, so the
// figure holds no polling delay.
//
//   startup_mapwatch PROGRAM [ARGS...]   prints "<milliseconds> <pid>" and leaves the program
//   running
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char *argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_mapwatch PROGRAM [ARGS...]\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startup_mapwatch: no X display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t *error = xcb_request_check(connection, cookie)) {
        std::free(error);
        std::fprintf(stderr, "startup_mapwatch: cannot watch the root window\n");
        return 1;
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return 1;
    if (pid == 0) {
        close(xcb_get_file_descriptor(connection));
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                            !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
        std::free(event);
        if (mapped) {
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            std::printf("%.1f %d\n", ms, int(pid));
            xcb_disconnect(connection);
            return 0;
        }
    }
    std::fprintf(stderr, "startup_mapwatch: the display went away\n");
    return 1;
}
