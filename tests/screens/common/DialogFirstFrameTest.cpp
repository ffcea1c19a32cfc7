// With no compositor, a new top-level's inside is on screen from the moment
// it is mapped, whether or not the application has painted yet. A dialog
// must be whole then: the X server itself has its picture. The client holds
// its GUI thread right after mapping the dialog, so what the server shows is
// all the server had.
#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <QColor>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "design/theme/Color.h"
#include "testkit/support/ChildProcess.h"
#include "testkit/support/VirtualDisplay.h"

namespace tidewell::screens {
namespace {

using testing::ChildProcess;
using testing::VirtualDisplay;

struct Pixels {
  int width = 0, height = 0;
  std::vector<QColor> colours;
  const QColor& at(int x, int y) const { return colours[size_t(y * width + x)]; }
  int count(int top, int bottom, bool (*match)(const QColor&)) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < width; ++x) n += match(at(x, y)) ? 1 : 0;
    return n;
  }
};

// What the server shows of window, read through a connection of our own.
Pixels readWindow(const std::string& display, xcb_window_t window) {
  Pixels out;
  xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
  auto* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
  if (geometry && geometry->depth == 24) {
    out.width = geometry->width;
    out.height = geometry->height;
    auto* image = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width, geometry->height, ~0u),
        nullptr);
    // Xvfb keeps depth 24 in 32-bit little-endian pixels.
    if (image && xcb_get_image_data_length(image) >= out.width * out.height * 4) {
      const auto* data = reinterpret_cast<const uint32_t*>(xcb_get_image_data(image));
      for (int i = 0; i < out.width * out.height; ++i)
        out.colours.push_back(QColor::fromRgb(data[i] & 0xffffff));
    }
    std::free(image);
  }
  std::free(geometry);
  xcb_disconnect(c);
  return out;
}

bool isWhiteText(const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; }
bool isRed(const QColor& c) { return c.red() > 180 && c.green() < 120 && c.blue() < 130; }

TEST(DialogFirstFrame, AMappedDialogIsWholeBeforeTheApplicationPaintsIt) {
  // A white root: what shows through an unpainted window is unmistakable.
  VirtualDisplay display("800x600x24", {"-wr"});
  if (!display.available()) GTEST_SKIP() << "Xvfb is not installed";

  ChildProcess client({TIDEWELL_DIALOG_FIRST_FRAME_CLIENT}, false,
                      {"DISPLAY=" + display.name(), "QT_QPA_PLATFORM=xcb"});
  client.terminateOnExit();
  const auto line = client.line();
  ASSERT_TRUE(line && line->starts_with("dialog ")) << "the client did not open its dialog";
  const auto window = xcb_window_t(std::stoul(line->substr(7)));

  const Pixels shown = readWindow(display.name(), window);
  ASSERT_GT(shown.width, 100);
  ASSERT_EQ(int(shown.colours.size()), shown.width * shown.height);
  const QColor background = design::Color::appBackground();
  for (const auto& [x, y] : {std::pair{3, 3}, {shown.width - 4, 3}, {3, shown.height - 4}}) {
    const QColor c = shown.at(x, y);
    EXPECT_LE(std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                  std::abs(c.blue() - background.blue()),
              6)
        << "at " << x << "," << y << ": " << c.name().toStdString();
  }
  // White text on the dark ground: some of the top third, not most of it.
  const int titleBand = shown.width * (shown.height / 3);
  const int white = shown.count(0, shown.height / 3, isWhiteText);
  EXPECT_GT(white, 40) << "the title is there";
  EXPECT_LT(white, titleBand / 5) << "and stands on the dialog's dark ground";
  EXPECT_GT(shown.count(shown.height / 2, shown.height, isRed), 400) << "the red button is there";
  EXPECT_TRUE(client.write("done\n"));
  EXPECT_EQ(client.waitForExit(), 0);
}

}  // namespace
}  // namespace tidewell::screens
