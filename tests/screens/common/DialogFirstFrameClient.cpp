// A program for the first-frame test: on the X display in $DISPLAY it shows
// a window and, over it, the Deep Scan's confirmation, waits until the X
// server has taken every request (the dialog is mapped), prints
// "dialog WINDOW-ID" and then holds its GUI thread, so that nothing of the
// dialog gets painted, until a line (or the end) arrives on its standard
// input. Then it ends.
#include <xcb/xcb.h>

#include <QApplication>
#include <QWindow>
#include <cstdlib>
#include <iostream>
#include <string>

#include "design/theme/Color.h"
#include "design/type/BundledFonts.h"
#include "screens/common/controls/ConfirmAlert.h"
#include "testkit/support/EventWait.h"

using namespace tidewell;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  auto* x11 = application.nativeInterface<QNativeInterface::QX11Application>();
  if (!x11) return 2;
  design::registerBundledFonts();

  QWidget window;
  window.resize(600, 400);
  window.show();
  if (!testing::waitUntil([&] { return window.windowHandle()->isExposed(); })) return 3;
  QCoreApplication::processEvents();

  auto* alert = new screens::ConfirmAlert(
      QStringLiteral("Move to Trash?"),
      QStringLiteral("\u201Cbig-video.mov\u201D (104.9 MB) looks like your personal stuff."),
      QStringLiteral("Move to Trash"), design::Color::systemRed(), &window);
  alert->open();

  // A round trip: the server has handled the map (and whatever came before).
  xcb_connection_t* c = x11->connection();
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  std::cout << "dialog " << alert->winId() << std::endl;

  std::string line;
  std::getline(std::cin, line);
  return 0;
}
