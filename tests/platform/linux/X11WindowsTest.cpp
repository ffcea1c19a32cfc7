#include "platform/linux/X11Windows.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
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

extern char** environ;

namespace tidewell::platform {
namespace {

// Generous: only a broken test ever waits this long.
constexpr int kPatienceMs = 20000;

// One line from fd, without its newline; absent on end of file or when
// nothing arrives in time.
std::optional<std::string> readLine(int fd) {
  std::string line;
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, kPatienceMs) <= 0) return std::nullopt;
    char c;
    if (read(fd, &c, 1) != 1) return std::nullopt;
    if (c == '\n') return line;
    line += c;
  }
}

std::string findProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  dirs += ":/usr/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string candidate = dirs.substr(start, end - start) + "/" + name;
    if (end > start && access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

// A child process with a pipe on its stdin and one on its stdout (and, for
// Xvfb, one on fd 3). Closing stdin tells our client to end; the destructor
// waits for it.
class Child {
 public:
  Child(const std::vector<std::string>& argv, bool extraPipeOnFd3 = false) {
    int in[2], out[2], extra[2] = {-1, -1};
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) return;
    if (extraPipeOnFd3 && pipe2(extra, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    if (extraPipeOnFd3) posix_spawn_file_actions_adddup2(&actions, extra[1], 3);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    stdin_ = in[1];
    stdout_ = out[0];
    if (extraPipeOnFd3) {
      close(extra[1]);
      fd3_ = extra[0];
    }
  }
  ~Child() {
    if (stdin_ >= 0) close(stdin_);
    if (pid_ > 0 && !ended_) {
      if (terminateOnExit_) kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    for (int fd : {stdout_, fd3_})
      if (fd >= 0) close(fd);
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t pid() const { return pid_; }
  std::optional<std::string> line() const { return readLine(stdout_); }
  std::optional<std::string> lineOnFd3() const { return readLine(fd3_); }
  void terminateOnExit() { terminateOnExit_ = true; }

  // The exit status once it has ended; absent while it runs.
  std::optional<int> exitStatus() {
    int status = 0;
    if (ended_ || waitpid(pid_, &status, WNOHANG) != pid_) return ended_ ? status_ : std::nullopt;
    ended_ = true;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return status_;
  }
  // Waits until it ends (it is expected to, on its own).
  std::optional<int> waitForExit() {
    pollfd p{stdout_, POLLIN, 0};
    // Its stdout reaches end of file when it exits.
    while (poll(&p, 1, kPatienceMs) > 0) {
      char c;
      if (read(stdout_, &c, 1) <= 0) break;
    }
    int status = 0;
    if (waitpid(pid_, &status, 0) != pid_) return std::nullopt;
    ended_ = true;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return status_;
  }

 private:
  pid_t pid_ = -1;
  int stdin_ = -1, stdout_ = -1, fd3_ = -1;
  bool ended_ = false, terminateOnExit_ = false;
  std::optional<int> status_;
};

// A virtual X server of our own on a display number it picks itself.
class VirtualDisplay {
 public:
  VirtualDisplay() {
    const std::string xvfb = findProgram("Xvfb");
    if (xvfb.empty()) return;
    server_ = std::make_unique<Child>(std::vector<std::string>{xvfb, "-displayfd", "3", "-nolisten", "tcp",
                                                               "-noreset", "-screen", "0", "320x240x24"},
                                      true);
    server_->terminateOnExit();
    if (auto number = server_->lineOnFd3(); number && !number->empty()) name_ = ":" + *number;
  }
  bool available() const { return !name_.empty(); }
  const std::string& name() const { return name_; }

 private:
  std::unique_ptr<Child> server_;
  std::string name_;
};

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
