// Waits until a window that the window manager does not manage (override-redirect: menus,
// tooltips, the frame of a window's show animation) is mapped on the screen, and prints the
// wall-clock time of that moment in nanoseconds (CLOCK_REALTIME), so a script can time the
// first frame a click brings.
//   map_watch [TIMEOUT_SECONDS]
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <poll.h>

int main(int argc, char **argv) {
  const int timeoutMs = (argc > 1 ? std::atoi(argv[1]) : 10) * 1000;
  int screenNumber = 0;
  xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(c))
    return 2;
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
  for (int i = 0; i < screenNumber; ++i)
    xcb_screen_next(&it);
  const xcb_window_t root = it.data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_void_cookie_t selected =
      xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask);
  if (xcb_generic_error_t *error = xcb_request_check(c, selected)) {
    std::free(error);
    return 2;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    xcb_generic_event_t *e = xcb_poll_for_event(c);
    if (!e) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          end - std::chrono::steady_clock::now());
      if (left.count() <= 0 || xcb_connection_has_error(c))
        return 1;
      pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
      poll(&fd, 1, static_cast<int>(left.count()));
      continue;
    }
    bool seen = false;
    if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
      auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
      seen = m->event == root && m->override_redirect;
    }
    std::free(e);
    if (seen)
      break;
  }
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  return 0;
}
