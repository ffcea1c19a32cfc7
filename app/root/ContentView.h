#pragma once
// The content of the main window. It owns the window's models (WindowModels)
// and draws the sidebar of sections beside the selected section's screen
// over the ambient backdrop; runs the first run (welcome card, then the
// intro video revealing the app) with the layers below blocked meanwhile,
// and hidden while nothing of them is seen (under the card, before the
// reveal), so a reader is not told they are showing; the keyboard focus
// starts on the card and goes to the screen's first control once the app
// is there; presents About, with the layers below blocked while it shows
// and the keyboard focus handed back when it closes; and turns outside
// requests into a section change and, where asked, a Smart Scan:
//   the bridge's "show About", "run scan", "open section" and links,
//   and the bridge's pending requests, consumed each time the view appears.
// GUI thread only; the bridge outlives the view.

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/about/AboutView.h"
#include "app/firstrun/IntroPreparation.h"
#include "app/firstrun/IntroRevealView.h"
#include "app/firstrun/OnboardingView.h"
#include "app/root/Section.h"
#include "app/root/SectionScreens.h"
#include "app/root/WindowModels.h"
#include "screens/common/services/ScreenServices.h"

class QVariantAnimation;

namespace tidewell::models {
class SettingsStore;
}

namespace tidewell::app {

class AboutSheet;
class AppBridge;
class DetailPane;
class MainLayer;
class Sidebar;

class ContentView : public QWidget {
  Q_OBJECT

 public:
  using Section = app::Section;
  using ScreenFactory = std::function<QWidget*(Section, const ScreenContext&)>;

  struct Context {
    std::shared_ptr<models::SettingsStore> settings;
    WindowModels models;
    bool hasDevTools = false;
    screens::ScreenServices services = screens::ScreenServices::desktop();
    ScreenFactory screens = makeSectionScreen;
    // The intro's player; empty: the bundled video. It is made while the
    // welcome card shows, after introWarmUp has run on a worker thread
    // (with the bundled video: the media backend is loaded).
    IntroRevealView::PlayerFactory introPlayer;
    std::function<void()> introWarmUp;
    AboutView::Opener open = AboutView::desktopOpener();
  };

  static constexpr int kOnboardingFadeMs = 400;
  static constexpr int kRevealFadeMs = 3000;

  ContentView(AppBridge& bridge, Context context, QWidget* parent = nullptr);
  ~ContentView() override;

  Section section() const { return section_; }
  // What a sidebar row does; no animation.
  void setSection(Section section);
  const WindowModels& models() const { return context_.models; }

  bool isShowingAbout() const { return showAbout_; }
  bool isShowingOnboarding() const { return onboarding_ != nullptr; }
  bool isPlayingIntro() const { return playingIntro_; }
  double introHomeOpacity() const { return introHomeOpacity_; }
  // Whether the sidebar and the section can take input now.
  bool acceptsInput() const;

  Sidebar* sidebar() const;
  DetailPane* detailPane() const;
  MainLayer* mainLayer() const { return mainLayer_; }
  OnboardingView* onboarding() const { return onboarding_; }
  AboutSheet* aboutSheet() const { return aboutSheet_; }

  // ---- The handlers ----
  void showAbout();
  void runScan();                          // "TidewellRunScan"
  void openLink(const QString& link);      // a link handed over
  void openSection(const QString& title);  // "TidewellOpenSection"
  // Consumes the bridge's pending requests; runs each time the view is shown.
  void appear();

  // ---- The first run ----
  void finishOnboarding(bool playIntro);
  void revealIntro();
  void finishIntro();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void startSmartScan();
  // The intro's player as the context gives it, else the bundled video's.
  IntroRevealView::PlayerFactory introPlayerFactory() const;
  void prepareIntro();
  void aboutDismissed();
  void updateDetail();
  void updateInput();
  // The focus to the first control of the section's screen.
  void focusScreen();
  QWidget* buildScreen(Section section);

  AppBridge& bridge_;
  Context context_;
  Section section_ = Section::home;
  bool showAbout_ = false;
  bool playingIntro_ = false;
  double introHomeOpacity_ = 1.0;

  MainLayer* mainLayer_;
  QPointer<OnboardingView> onboarding_;
  QPointer<IntroPreparation> introPreparation_;
  AboutSheet* aboutSheet_;
  // What had the keyboard when About opened; it gets it back on close.
  QPointer<QWidget> focusBeforeAbout_;
  QVariantAnimation* reveal_ = nullptr;
};

}  // namespace tidewell::app
