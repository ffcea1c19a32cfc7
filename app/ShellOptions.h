#pragma once
// How the application object builds its windows and popovers over the
// process's services: each new main window gets a ContentView with a fresh
// set of models, each popover showing a fresh MenuBarView. Also has the
// process's activation source fire whenever the application turns active.
// process and bridge outlive the application object.

#include "app/TidewellMacApp.h"
#include "app/root/ContentView.h"
#include "app/root/WindowModels.h"

namespace tidewell::app {

// adjust, when given, changes each window's context before the view is
// built (tests swap in their screens, intro player or link opener).
TidewellMacApp::Options shellOptions(AppBridge& bridge, const ProcessServices& process,
                                     std::function<void(ContentView::Context&)> adjust = {});

}  // namespace tidewell::app
