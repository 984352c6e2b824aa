// Prints the wall-clock time, in microseconds, of every window mapped on the screen, one line each, as
// soon as the X server reports it. The start-up script times windows by it; a shell loop reading a
// program's text output falls behind when many events come at once, which is at every start-up.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main() {
    using namespace std::chrono;
    using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fputs("map_watch: no X display\n", stderr);
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    while (const Event event{xcb_wait_for_event(c), &std::free}) {
        // The top bit only says another client sent the event.
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
        const long long now = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
        std::printf("%lld\n", now);
    }
    xcb_disconnect(c);
    return 0;
}
