// Waits until N client windows are mapped inside a tray window and prints
// the wall-clock time of that moment in nanoseconds (CLOCK_REALTIME), so a
// script can take the time from a program's start to its icons embedded.
//   embed_watch TRAY_WINDOW_ID N [TIMEOUT_SECONDS]
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <poll.h>
#include <set>

int main(int argc, char **argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: embed_watch TRAY_WINDOW_ID N [TIMEOUT_SECONDS]\n");
    return 2;
  }
  const auto tray = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
  const size_t wanted = std::strtoul(argv[2], nullptr, 10);
  const int timeoutMs = (argc > 3 ? std::atoi(argv[3]) : 10) * 1000;
  xcb_connection_t *c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c))
    return 2;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, tray, XCB_CW_EVENT_MASK, &mask);
  // Windows mapped already (the tray's own among them) do not count.
  std::set<xcb_window_t> before;
  if (auto *tree = xcb_query_tree_reply(c, xcb_query_tree(c, tray), nullptr)) {
    const xcb_window_t *kids = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i)
      before.insert(kids[i]);
    std::free(tree);
  }
  std::printf("ready\n");
  std::fflush(stdout);
  std::set<xcb_window_t> mapped;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (mapped.size() < wanted) {
    xcb_generic_event_t *e = xcb_poll_for_event(c);
    if (!e) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          end - std::chrono::steady_clock::now());
      if (left.count() <= 0)
        return 1;
      pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
      poll(&fd, 1, static_cast<int>(left.count()));
      continue;
    }
    if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
      auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
      if (m->event == tray && !before.count(m->window))
        mapped.insert(m->window);
    }
    std::free(e);
  }
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  return 0;
}
