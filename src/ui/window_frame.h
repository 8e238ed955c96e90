// Puts a top-level window's frame, the decoration the window manager adds
// around it, where the program wants it. Qt places and sizes the client
// area; the frame's size is known only once the window manager has framed
// the window. So the window is placed with the best frame size known, and
// placed again, once, when its own frame is first reported.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <chrono>
#include <functional>

class QWidget;

namespace qfc {

// The frame around `window`'s client area; empty while it has none.
[[nodiscard]] QMargins FrameMargins(const QWidget& window);

class FramePlacement final : public QObject {
 public:
  // The frame's rectangle for a given frame size.
  using Place = std::function<QRect(const QMargins& frame)>;

  // Places `window` at once, assuming the frame `expected` (for example that
  // of another window of the program already on screen). Lives as a child
  // of `window`.
  FramePlacement(QWidget& window, Place place, const QMargins& expected);

  // Runs after each placement, with the client rectangle it gave.
  void SetPlaced(std::function<void()> placed) { placed_ = std::move(placed); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A window manager frames a window well within a second; one that has
  // not framed it by the last look never will.
  static constexpr std::chrono::milliseconds kPollInterval{25};
  static constexpr int kMaxPolls = 200;

  void Apply(const QMargins& frame);
  void LookForFrame();

  QWidget& window_;
  Place place_;
  QMargins assumed_;
  std::function<void()> placed_;
  QTimer poll_;
  int polls_ = 0;
  bool settled_ = false;
};

}  // namespace qfc
