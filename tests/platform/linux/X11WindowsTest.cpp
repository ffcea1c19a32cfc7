#include "platform/linux/X11Windows.h"

#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/PoliteQuit.h"
#include "platform/linux/ProcProcess.h"
#include "testkit/support/ChildProcess.h"
#include "testkit/support/VirtualDisplay.h"

namespace tidewell::platform {
namespace {

// Generous: only a broken test ever waits this long.
constexpr int kPatienceMs = 20000;

using Child = testing::ChildProcess;
using testing::VirtualDisplay;

class X11Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!display_.available()) GTEST_SKIP() << "Xvfb is not installed";
  }

  // Starts our client in mode and waits until its window is up.
  std::unique_ptr<Child> client(const char* mode, xcb_window_t* window = nullptr) {
    auto child =
        std::make_unique<Child>(std::vector<std::string>{TIDEWELL_X_CLOSE_CLIENT, display_.name(), mode});
    const auto line = child->line();
    EXPECT_TRUE(line && line->starts_with("window ")) << "the client did not show its window";
    if (window && line) *window = xcb_window_t(std::stoul(line->substr(7)));
    return child;
  }

  PoliteQuit quit() const { return PoliteQuit("/proc", DesktopWindows::forDisplay(display_.name())); }
  static std::optional<uint64_t> startTime(pid_t pid) { return ProcProcess::startTimeOf("/proc", pid); }

  VirtualDisplay display_;
};

TEST_F(X11Windows, WithoutAWindowManagerTheWindowItselfIsAskedAndTheApplicationQuits) {
  auto app = client("quits");
  EXPECT_EQ(quit().ask(app->pid(), startTime(app->pid())), PoliteQuit::Answer::asked);
  EXPECT_EQ(app->waitForExit(), 0) << "the application closed on its own, as asked";
}

TEST_F(X11Windows, AnApplicationMayRefuseAndKeepsRunning) {
  auto app = client("stays");
  EXPECT_EQ(quit().ask(app->pid(), startTime(app->pid())), PoliteQuit::Answer::asked);
  EXPECT_EQ(app->line(), "close 1");
  EXPECT_EQ(app->exitStatus(), std::nullopt) << "nothing but a request reached it";
}

TEST_F(X11Windows, AStaleListingAsksNothing) {
  auto app = client("stays");
  const auto listed = startTime(app->pid());
  ASSERT_TRUE(listed);
  EXPECT_EQ(quit().ask(app->pid(), *listed + 1), PoliteQuit::Answer::notRunning);
  EXPECT_EQ(quit().ask(app->pid(), std::nullopt), PoliteQuit::Answer::notRunning);
  // The next (current) request is the first one it ever saw.
  EXPECT_EQ(quit().ask(app->pid(), listed), PoliteQuit::Answer::asked);
  EXPECT_EQ(app->line(), "close 1");
}

TEST_F(X11Windows, NoWindowThatTakesACloseRequestOrNoX11MeansItWouldNotQuit) {
  auto deaf = client("deaf");
  EXPECT_EQ(quit().ask(deaf->pid(), startTime(deaf->pid())), PoliteQuit::Answer::refused);
  EXPECT_EQ(deaf->exitStatus(), std::nullopt);

  // This test process runs, but has no window on the display.
  EXPECT_EQ(quit().ask(getpid(), startTime(getpid())), PoliteQuit::Answer::refused);

  // Wayland only, or no display at all; and a display that is not there.
  auto app = client("stays");
  for (const char* display : {"", ":65000"}) {
    const PoliteQuit noX11("/proc", DesktopWindows::forDisplay(display));
    EXPECT_EQ(noX11.ask(app->pid(), startTime(app->pid())), PoliteQuit::Answer::refused) << display;
  }
  EXPECT_EQ(quit().ask(app->pid(), startTime(app->pid())), PoliteQuit::Answer::asked);
  EXPECT_EQ(app->line(), "close 1") << "none of the earlier requests reached it";
}

// Plays a running EWMH window manager on the display: keeps a client list,
// names a check window, supports _NET_CLOSE_WINDOW and takes the root's
// substructure redirection (which only the window manager may hold).
class FakeWindowManager {
 public:
  FakeWindowManager(const std::string& display, xcb_window_t client)
      : c_(xcb_connect(display.c_str(), nullptr)) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
    root_ = screen->root;
    const xcb_window_t check = xcb_generate_id(c_);
    xcb_create_window(c_, 0, check, root_, -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                      0, nullptr);
    closeWindow_ = atom("_NET_CLOSE_WINDOW");
    const xcb_atom_t checkAtom = atom("_NET_SUPPORTING_WM_CHECK");
    for (xcb_window_t w : {root_, check})
      xcb_change_property(c_, XCB_PROP_MODE_REPLACE, w, checkAtom, XCB_ATOM_WINDOW, 32, 1, &check);
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, root_, atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 32, 1,
                        &closeWindow_);
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, root_, atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 32, 1,
                        &client);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t* error =
        xcb_request_check(c_, xcb_change_window_attributes_checked(c_, root_, XCB_CW_EVENT_MASK, &mask));
    managing_ = error == nullptr;
    std::free(error);
  }
  ~FakeWindowManager() { xcb_disconnect(c_); }

  bool managing() const { return managing_; }

  // The window named by the next _NET_CLOSE_WINDOW request sent to the root.
  std::optional<xcb_window_t> nextCloseRequest() {
    pollfd p{xcb_get_file_descriptor(c_), POLLIN, 0};
    for (;;) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(c_)) {
        std::optional<xcb_window_t> window;
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
          const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
          if (message->type == closeWindow_) window = message->window;
        }
        std::free(event);
        if (window) return window;
      }
      if (poll(&p, 1, kPatienceMs) <= 0) return std::nullopt;
    }
  }

 private:
  xcb_atom_t atom(const char* name) {
    auto* r = xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
  }

  xcb_connection_t* c_;
  xcb_window_t root_ = 0;
  xcb_atom_t closeWindow_ = 0;
  bool managing_ = false;
};

TEST_F(X11Windows, UnderAWindowManagerTheRequestGoesThroughIt) {
  xcb_window_t window = 0;
  auto app = client("stays", &window);
  FakeWindowManager manager(display_.name(), window);
  ASSERT_TRUE(manager.managing());

  EXPECT_EQ(quit().ask(app->pid(), startTime(app->pid())), PoliteQuit::Answer::asked);
  EXPECT_EQ(manager.nextCloseRequest(), window);
  EXPECT_EQ(app->exitStatus(), std::nullopt) << "closing is the window manager's to do";
}

}  // namespace
}  // namespace tidewell::platform
