#include "ui/window_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

#ifdef QFC_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace qfc {

namespace {

#ifdef QFC_HAVE_XCB
// The frame as the window manager states it on the window
// (_NET_FRAME_EXTENTS: left, right, top, bottom); nothing when it states
// none or the program does not run on X11. Qt's own reading of the frame can
// stay at a stray value taken while the window manager was reparenting.
std::optional<QMargins> StatedFrame(const QWidget& window) {
  // Other platforms (offscreen among them) may answer for X11 too, without
  // a connection of their own.
  if (QGuiApplication::platformName() != QStringLiteral("xcb")) return std::nullopt;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || !window.testAttribute(Qt::WA_WState_Created)) return std::nullopt;
  xcb_connection_t* connection = x11->connection();
  if (connection == nullptr) return std::nullopt;
  static constexpr char kName[] = "_NET_FRAME_EXTENTS";
  const xcb_intern_atom_cookie_t atomCookie =
      xcb_intern_atom(connection, 1, sizeof kName - 1, kName);
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
  if (!atom || atom->atom == XCB_ATOM_NONE) return std::nullopt;
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, static_cast<xcb_window_t>(window.winId()), atom->atom,
                       XCB_ATOM_CARDINAL, 0, 4);
  const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(connection, cookie, nullptr), &std::free);
  if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
    return std::nullopt;
  }
  const auto* extents = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  const qreal ratio = window.devicePixelRatioF();
  const auto scaled = [ratio](std::uint32_t pixels) {
    return static_cast<int>(static_cast<qreal>(pixels) / ratio + 0.5);
  };
  return QMargins(scaled(extents[0]), scaled(extents[2]), scaled(extents[1]), scaled(extents[3]));
}
#else
std::optional<QMargins> StatedFrame(const QWidget& /*window*/) { return std::nullopt; }
#endif

}  // namespace

QMargins FrameMargins(const QWidget& window) {
  if (const std::optional<QMargins> stated = StatedFrame(window)) return *stated;
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(),
          frame.right() - client.right(), frame.bottom() - client.bottom()};
}

FramePlacement::FramePlacement(QWidget& window, Place place, const QMargins& expected)
    : QObject(&window), window_(window), place_(std::move(place)) {
  poll_.setInterval(kPollInterval);
  connect(&poll_, &QTimer::timeout, this, &FramePlacement::LookForFrame);
  Apply(expected);
  window_.installEventFilter(this);
}

void FramePlacement::Apply(const QMargins& frame) {
  assumed_ = frame;
  // The client's position and size are what Qt hands to the window system;
  // the window manager keeps the client there and draws the frame around it.
  window_.setGeometry(place_(frame).marginsRemoved(frame));
  if (placed_) placed_();
}

bool FramePlacement::eventFilter(QObject* watched, QEvent* event) {
  // The window manager frames the window after it is first shown and tells
  // no event of it while the client stays put: look for the frame a few
  // times a second until it is there. Once known and applied, the window is
  // the user's to move.
  if (watched == &window_ && event->type() == QEvent::Show && !settled_ && !poll_.isActive()) {
    polls_ = 0;
    poll_.start();
  }
  return QObject::eventFilter(watched, event);
}

void FramePlacement::LookForFrame() {
  const QMargins frame = FrameMargins(window_);
  // While the window manager reparents the window, the frame can read as a
  // stray rectangle that does not even hold the client: not a frame yet.
  const bool framed = !frame.isNull() && frame.left() >= 0 && frame.top() >= 0 &&
                      frame.right() >= 0 && frame.bottom() >= 0;
  if (!framed) {
    if (++polls_ >= kMaxPolls) poll_.stop();
    return;
  }
  poll_.stop();
  settled_ = true;
  if (frame != assumed_) Apply(frame);
}

}  // namespace qfc
