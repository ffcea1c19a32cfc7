#pragma once
// The two sizes the widget comes in, and what the host tells the provider
// about the widget it is asking for.

namespace tidewell::widget {

enum class WidgetFamily { Small, Medium };

struct TimelineContext {
  WidgetFamily family = WidgetFamily::Small;
  bool isPreview = false;
};

}  // namespace tidewell::widget
