// Waits until a window has a given size and the pixels at some points of it
// are near their colours, and prints the wall-clock time of that moment in
// nanoseconds (CLOCK_REALTIME), so a script can time a drawing it started.
//   pixel_watch WINDOW_ID WIDTH HEIGHT TOLERANCE TIMEOUT_SECONDS X,Y,R,G,B...
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>
#include <vector>

namespace {

bool sizeIs(xcb_connection_t *c, xcb_window_t w, int width, int height) {
  auto *g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
  const bool is = g && g->width == width && g->height == height;
  std::free(g);
  return is;
}

// The pixel as 0xRRGGBB, or -1 while the window cannot be read (unmapped).
long pixelAt(xcb_connection_t *c, xcb_window_t w, int x, int y) {
  auto *img = xcb_get_image_reply(
      c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, int16_t(x), int16_t(y), 1, 1, ~0u),
      nullptr);
  if (!img)
    return -1;
  long rgb = -1;
  if (xcb_get_image_data_length(img) >= 4) { // 24-bit depth in 32-bit pixels: B, G, R, X
    const uint8_t *p = xcb_get_image_data(img);
    rgb = (long(p[2]) << 16) | (long(p[1]) << 8) | p[0];
  }
  std::free(img);
  return rgb;
}

bool near(long rgb, int r, int g, int b, int tolerance) {
  auto close = [tolerance](int a, int e) { return std::abs(a - e) <= tolerance; };
  return rgb >= 0 && close(int(rgb >> 16 & 255), r) && close(int(rgb >> 8 & 255), g) &&
         close(int(rgb & 255), b);
}

} // namespace

int main(int argc, char **argv) {
  struct Point {
    int x, y, r, g, b;
  };
  std::vector<Point> points;
  bool readable = argc >= 7;
  for (int i = 6; readable && i < argc; ++i) {
    Point p{};
    readable = std::sscanf(argv[i], "%d,%d,%d,%d,%d", &p.x, &p.y, &p.r, &p.g, &p.b) == 5;
    points.push_back(p);
  }
  if (!readable) {
    std::fprintf(stderr, "usage: pixel_watch WINDOW_ID WIDTH HEIGHT TOLERANCE TIMEOUT_SECONDS "
                         "X,Y,R,G,B...\n");
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
  const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
  const int tolerance = std::atoi(argv[4]);
  const int timeoutS = std::atoi(argv[5]);
  xcb_connection_t *c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c))
    return 2;
  auto drawn = [&] {
    if (!sizeIs(c, window, width, height))
      return false;
    for (const Point &p : points)
      if (!near(pixelAt(c, window, p.x, p.y), p.r, p.g, p.b, tolerance))
        return false;
    return true;
  };
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutS);
  while (std::chrono::steady_clock::now() < end) {
    if (drawn()) {
      timespec now{};
      clock_gettime(CLOCK_REALTIME, &now);
      std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
      return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return 1;
}
