#pragma once
// OnDemand<T>: a window made the first time something needs it, so that a
// window a session never opens costs nothing at start. Whoever wires the
// windows gives the maker, which builds and connects it; `->` and get() make
// it when missing; made() asks without making; reset() releases it.
#include <functional>
#include <utility>

template <class T> class OnDemand {
public:
  OnDemand() = default;
  OnDemand(const OnDemand &) = delete;
  OnDemand &operator=(const OnDemand &) = delete;
  ~OnDemand() = default; // the window is released by reset(), before the application goes

  void setMaker(std::function<T *()> maker) { maker_ = std::move(maker); }

  T *get() {
    if (!window_ && maker_)
      window_ = maker_();
    return window_;
  }
  T *operator->() { return get(); }
  T *made() const { return window_; }

  void reset() {
    T *window = std::exchange(window_, nullptr);
    delete window;
    maker_ = nullptr;
  }

private:
  T *window_ = nullptr;
  std::function<T *()> maker_;
};
