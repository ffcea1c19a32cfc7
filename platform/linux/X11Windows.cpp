#include "platform/linux/X11Windows.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/linux/XcbReply.h"

namespace tidewell::platform {

namespace {

class Connection {
 public:
  explicit Connection(const std::string& display) : c_(xcb_connect(display.c_str(), &screen_)) {}
  ~Connection() { xcb_disconnect(c_); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool ok() const { return xcb_connection_has_error(c_) == 0; }
  xcb_connection_t* get() const { return c_; }

  xcb_window_t root() const {
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c_));
    for (int i = 0; it.rem > 0; xcb_screen_next(&it), ++i) {
      if (i == screen_) return it.data->root;
    }
    return XCB_WINDOW_NONE;
  }

 private:
  int screen_ = 0;
  xcb_connection_t* c_;
};

enum Name { kWmPid, kWmProtocols, kWmDeleteWindow, kClientList, kCloseWindow, kSupported, kWmCheck, kNames };
constexpr std::array<std::string_view, kNames> kAtomNames = {
    "_NET_WM_PID",       "WM_PROTOCOLS",   "WM_DELETE_WINDOW",        "_NET_CLIENT_LIST",
    "_NET_CLOSE_WINDOW", "_NET_SUPPORTED", "_NET_SUPPORTING_WM_CHECK"};

// Atoms that nobody has created yet come back as none: then no window can
// carry them either.
std::array<xcb_atom_t, kNames> internAtoms(xcb_connection_t* c) {
  std::array<xcb_intern_atom_cookie_t, kNames> cookies;
  for (size_t i = 0; i < kNames; ++i)
    cookies[i] = xcb_intern_atom(c, 1, uint16_t(kAtomNames[i].size()), kAtomNames[i].data());
  std::array<xcb_atom_t, kNames> atoms{};
  for (size_t i = 0; i < kNames; ++i) {
    auto reply = owned(xcb_intern_atom_reply(c, cookies[i], nullptr));
    atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  }
  return atoms;
}

// The 32-bit values of a property of the given type; empty when it is
// absent or of another type or format.
constexpr uint32_t kMaxValues = 4096;

xcb_get_property_cookie_t askProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property,
                                      xcb_atom_t type) {
  return xcb_get_property(c, 0, w, property, type, 0, kMaxValues);
}

std::vector<uint32_t> values32(xcb_connection_t* c, xcb_get_property_cookie_t cookie, xcb_atom_t type) {
  auto reply = owned(xcb_get_property_reply(c, cookie, nullptr));
  if (!reply || reply->type != type || reply->format != 32) return {};
  const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
  const int length = xcb_get_property_value_length(reply.get()) / 4;
  return std::vector<uint32_t>(data, data + std::max(length, 0));
}

std::vector<uint32_t> property32(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type) {
  if (property == XCB_ATOM_NONE) return {};
  return values32(c, askProperty(c, w, property, type), type);
}

bool contains(const std::vector<uint32_t>& list, uint32_t value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

// The managed client windows, else (no window manager keeping a list) the
// root's children, which are then the applications' own top-level windows.
std::vector<xcb_window_t> topLevelWindows(xcb_connection_t* c, xcb_window_t root, xcb_atom_t clientList) {
  std::vector<xcb_window_t> windows = property32(c, root, clientList, XCB_ATOM_WINDOW);
  if (!windows.empty()) return windows;
  auto tree = owned(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
  if (!tree) return {};
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  return std::vector<xcb_window_t>(children, children + xcb_query_tree_children_length(tree.get()));
}

// A live EWMH window manager: the root's check window names itself as the
// check window (a stale property left by a window manager that has gone
// does not), and the root lists _NET_CLOSE_WINDOW as supported.
bool managerTakesCloseRequests(xcb_connection_t* c, xcb_window_t root,
                               const std::array<xcb_atom_t, kNames>& atoms) {
  if (atoms[kCloseWindow] == XCB_ATOM_NONE) return false;
  const std::vector<uint32_t> check = property32(c, root, atoms[kWmCheck], XCB_ATOM_WINDOW);
  if (check.size() != 1) return false;
  const std::vector<uint32_t> self = property32(c, check[0], atoms[kWmCheck], XCB_ATOM_WINDOW);
  if (self.size() != 1 || self[0] != check[0]) return false;
  return contains(property32(c, root, atoms[kSupported], XCB_ATOM_ATOM), atoms[kCloseWindow]);
}

bool send(xcb_connection_t* c, xcb_window_t destination, uint32_t mask,
          const xcb_client_message_event_t& event) {
  char bytes[32];
  static_assert(sizeof event == sizeof bytes);
  std::memcpy(bytes, &event, sizeof bytes);
  auto error = owned(xcb_request_check(c, xcb_send_event_checked(c, 0, destination, mask, bytes)));
  return error == nullptr;
}

xcb_client_message_event_t message(xcb_window_t window, xcb_atom_t type) {
  xcb_client_message_event_t event;
  std::memset(&event, 0, sizeof event);
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = type;
  return event;
}

}  // namespace

int X11Windows::askToClose(pid_t pid, const std::function<bool()>& confirm) const {
  if (display_.empty() || pid <= 0) return 0;
  Connection connection(display_);
  if (!connection.ok()) return 0;
  xcb_connection_t* c = connection.get();
  const xcb_window_t root = connection.root();
  if (root == XCB_WINDOW_NONE) return 0;
  const auto atoms = internAtoms(c);
  if (atoms[kWmPid] == XCB_ATOM_NONE || atoms[kWmProtocols] == XCB_ATOM_NONE ||
      atoms[kWmDeleteWindow] == XCB_ATOM_NONE)
    return 0;

  // Ask for every window's two properties at once, then read the answers.
  const std::vector<xcb_window_t> candidates = topLevelWindows(c, root, atoms[kClientList]);
  std::vector<std::pair<xcb_get_property_cookie_t, xcb_get_property_cookie_t>> cookies;
  cookies.reserve(candidates.size());
  for (xcb_window_t w : candidates)
    cookies.emplace_back(askProperty(c, w, atoms[kWmPid], XCB_ATOM_CARDINAL),
                         askProperty(c, w, atoms[kWmProtocols], XCB_ATOM_ATOM));
  std::vector<xcb_window_t> windows;
  for (size_t i = 0; i < candidates.size(); ++i) {
    const std::vector<uint32_t> owner = values32(c, cookies[i].first, XCB_ATOM_CARDINAL);
    const std::vector<uint32_t> protocols = values32(c, cookies[i].second, XCB_ATOM_ATOM);
    if (owner.size() == 1 && owner[0] == uint32_t(pid) && contains(protocols, atoms[kWmDeleteWindow]))
      windows.push_back(candidates[i]);
  }
  if (windows.empty() || !confirm()) return 0;

  const bool viaManager = managerTakesCloseRequests(c, root, atoms);
  int asked = 0;
  for (xcb_window_t w : windows) {
    bool delivered;
    if (viaManager) {
      xcb_client_message_event_t event = message(w, atoms[kCloseWindow]);
      event.data.data32[0] = XCB_CURRENT_TIME;
      event.data.data32[1] = 2;  // source: a pager, acting for the user
      delivered =
          send(c, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY, event);
    } else {
      xcb_client_message_event_t event = message(w, atoms[kWmProtocols]);
      event.data.data32[0] = atoms[kWmDeleteWindow];
      event.data.data32[1] = XCB_CURRENT_TIME;
      // No event mask: the event goes to the client that made the window.
      delivered = send(c, w, XCB_EVENT_MASK_NO_EVENT, event);
    }
    if (delivered) ++asked;
  }
  return asked;
}

std::shared_ptr<const DesktopWindows> DesktopWindows::forDisplay(std::string display) {
  return std::make_shared<const X11Windows>(std::move(display));
}

}  // namespace tidewell::platform
