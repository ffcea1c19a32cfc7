// A tiny X11 application for the polite-quit tests: one top-level window
// that names this process in _NET_WM_PID.
//
//   x-close-client DISPLAY quits|stays|deaf
//     quits  takes WM_DELETE_WINDOW and exits 0 at the first close request;
//     stays  takes it, prints "close N" for the Nth request and keeps
//            running (an application with unsaved work open);
//     deaf   does not take part in the close protocol.
//
// Prints "window ID" once the window is mapped and the server has it; exits
// when its standard input closes or the display goes away.
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
  const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
  std::free(r);
  return a;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 64;
  const std::string mode = argv[2];
  int screenNumber = 0;
  xcb_connection_t* c = xcb_connect(argv[1], &screenNumber);
  if (xcb_connection_has_error(c)) return 69;
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
  for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&it);
  const xcb_screen_t* screen = it.data;

  const xcb_window_t window = xcb_generate_id(c);
  xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 64, 48, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
  const uint32_t pid = uint32_t(getpid());
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1,
                      &pid);
  const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS");
  const xcb_atom_t deleteWindow = atom(c, "WM_DELETE_WINDOW");
  if (mode != "deaf")
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, protocols, XCB_ATOM_ATOM, 32, 1, &deleteWindow);
  xcb_map_window(c, window);
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // a round trip: all of it is in
  std::printf("window %u\n", window);
  std::fflush(stdout);

  int requests = 0;
  pollfd fds[2] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
  for (;;) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
      const bool close = (event->response_type & 0x7f) == XCB_CLIENT_MESSAGE &&
                         reinterpret_cast<xcb_client_message_event_t*>(event)->type == protocols &&
                         reinterpret_cast<xcb_client_message_event_t*>(event)->data.data32[0] == deleteWindow;
      std::free(event);
      if (!close) continue;
      if (mode == "quits") return 0;
      std::printf("close %d\n", ++requests);
      std::fflush(stdout);
    }
    if (xcb_connection_has_error(c)) return 70;
    if (poll(fds, 2, -1) < 0) return 71;
    if (fds[1].revents != 0) {
      char byte;
      if (read(STDIN_FILENO, &byte, 1) <= 0) break;
    }
  }
  xcb_disconnect(c);
  return 0;
}
