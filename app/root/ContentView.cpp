#include "app/root/ContentView.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QShowEvent>
#include <QVariantAnimation>

#include "app/AppBridge.h"
#include "app/ScanLink.h"
#include "app/about/AboutSheet.h"
#include "app/firstrun/IntroClock.h"
#include "app/firstrun/IntroPlayer.h"
#include "app/firstrun/IntroPreparation.h"
#include "app/firstrun/IntroVideoFile.h"
#include "app/firstrun/MediaIntroPlayer.h"
#include "app/firstrun/OnboardingView.h"
#include "app/root/DetailPane.h"
#include "app/root/FullDiskAccessCard.h"
#include "app/root/MainLayer.h"
#include "app/root/Sidebar.h"
#include "design/keyboard/FocusRing.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/motion/Easing.h"
#include "models/SettingsStore.h"
#include "models/permissions/PermissionsModel.h"
#include "models/smartscan/SmartScanController.h"

namespace tidewell::app {

namespace {
constexpr QSize kMinimumSize{1060, 680};
}  // namespace

ContentView::ContentView(AppBridge& bridge, Context context, QWidget* parent)
    : QWidget(parent), bridge_(bridge), context_(std::move(context)) {
  setObjectName(QStringLiteral("contentView"));
  setMinimumSize(kMinimumSize);
  const WindowModels& models = context_.models;

  auto* sidebar =
      new Sidebar(visibleSections(context_.hasDevTools), section_, models.permissions->hasFullDiskAccess());
  auto* detail = new DetailPane([this](Section section) { return buildScreen(section); });
  mainLayer_ = new MainLayer(sidebar, detail, this);

  connect(sidebar, &Sidebar::sectionSelected, this, &ContentView::setSection);
  connect(sidebar, &Sidebar::aboutRequested, this, &ContentView::showAbout);
  connect(sidebar, &Sidebar::enableAccessRequested, this,
          [this] { context_.models.permissions->openFullDiskAccessSettings(); });
  connect(models.permissions.get(), &models::PermissionsModel::hasFullDiskAccessChanged, this, [this] {
    this->sidebar()->accessCard()->setGranted(context_.models.permissions->hasFullDiskAccess());
  });

  if (!context_.settings->hasOnboarded()) {
    onboarding_ = new OnboardingView(this);
    connect(onboarding_, &OnboardingView::finished, this, &ContentView::finishOnboarding);
    introPreparation_ = new IntroPreparation(introPlayerFactory(), this);
  }
  aboutSheet_ = new AboutSheet(this, context_.open);
  connect(aboutSheet_, &AboutSheet::dismissed, this, &ContentView::aboutDismissed);
  // What the welcome card covers is not on screen, for a reader either.
  if (onboarding_) mainLayer_->split()->hide();

  // The handlers, in the order the window declares them.
  connect(&bridge_, &AppBridge::showAboutRequested, this, &ContentView::showAbout);
  connect(&bridge_, &AppBridge::runScanRequested, this, &ContentView::runScan);
  connect(&bridge_, &AppBridge::linkOpened, this, &ContentView::openLink);
  connect(&bridge_, &AppBridge::openSectionRequested, this, &ContentView::openSection);

  setSection(Section::home);
  updateInput();
}

ContentView::~ContentView() = default;

Sidebar* ContentView::sidebar() const { return mainLayer_->sidebar(); }
DetailPane* ContentView::detailPane() const { return mainLayer_->detail(); }

bool ContentView::acceptsInput() const { return mainLayer_->isEnabled(); }

void ContentView::setSection(Section section) {
  section_ = section;
  sidebar()->setActive(section);
  mainLayer_->setAccent(sectionPalette(section));
  // Outside the section's own pane the parts keep their colours, but the
  // focus ring shows where the user is in the section's.
  design::setRingAccent(sidebar(), sectionPalette(section));
  design::setRingAccent(aboutSheet_->view(), sectionPalette(section));
  updateDetail();
}

void ContentView::showAbout() {
  if (!showAbout_) {
    // Taken before the layers below are disabled, which moves focus off them.
    QWidget* focused = focusWidget();
    focusBeforeAbout_ = focused && !aboutSheet_->isAncestorOf(focused) ? focused : nullptr;
  }
  showAbout_ = true;
  aboutSheet_->present();
  updateInput();
}

void ContentView::aboutDismissed() {
  showAbout_ = false;
  updateInput();
  QPointer<QWidget> focused = focusBeforeAbout_;
  focusBeforeAbout_ = nullptr;
  if (focused && focused->isVisible() && focused->isEnabled()) focused->setFocus(Qt::OtherFocusReason);
}

void ContentView::runScan() {
  setSection(Section::home);
  startSmartScan();
}

void ContentView::openLink(const QString& link) {
  if (!isScanLink(link)) return;
  setSection(Section::home);
  startSmartScan();
}

void ContentView::openSection(const QString& title) {
  if (const std::optional<Section> section = sectionFromTitle(title)) setSection(*section);
}

void ContentView::appear() {
  if (bridge_.autoStartScan) {
    bridge_.autoStartScan = false;
    setSection(Section::home);
    startSmartScan();
  }
  if (bridge_.pendingSection) {
    if (const std::optional<Section> section = sectionFromTitle(*bridge_.pendingSection)) {
      bridge_.pendingSection.reset();
      setSection(*section);
    }
  }
}

void ContentView::startSmartScan() {
  // Refused by the controller while a run is in progress or any of its
  // models is busy, so two requests in one turn start one run.
  context_.models.smartScan->start();
}

void ContentView::updateDetail() { detailPane()->showSection(section_); }

QWidget* ContentView::buildScreen(Section section) {
  const ScreenContext screen{context_.models, context_.settings, context_.services,
                             [this](Section chosen) { setSection(chosen); }};
  return context_.screens ? context_.screens(section, screen) : makeSectionScreen(section, screen);
}

void ContentView::finishOnboarding(bool playIntro) {
  context_.settings->setHasOnboarded(true);
  if (onboarding_) {
    OnboardingView* card = onboarding_;
    onboarding_ = nullptr;
    auto* fade = new QGraphicsOpacityEffect(card);
    card->setGraphicsEffect(fade);
    auto* out = new QPropertyAnimation(fade, "opacity", card);
    out->setDuration(kOnboardingFadeMs);
    out->setEasingCurve(design::easeInOutCurve());
    out->setStartValue(1.0);
    out->setEndValue(0.0);
    // The card stops taking clicks at once; it goes when faded.
    card->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(out, &QAbstractAnimation::finished, card, &QObject::deleteLater);
    out->start(QAbstractAnimation::DeleteWhenStopped);
  }
  // The player made while the card showed, so that the card's fade starts
  // now rather than after the media backend has loaded.
  IntroRevealView::PlayerFactory player = introPlayerFactory();
  if (introPreparation_) {
    if (playIntro) {
      auto ready = std::make_shared<std::unique_ptr<IntroPlayer>>(introPreparation_->take());
      player = [ready] { return std::move(*ready); };
    }
    introPreparation_->deleteLater();
    introPreparation_ = nullptr;
  }
  if (playIntro) {
    introHomeOpacity_ = 0;
    playingIntro_ = true;
    // Unseen until the reveal fades it in.
    mainLayer_->setSplitOpacity(0);
    auto* intro = new IntroRevealView(std::move(player), IntroClock::system());
    connect(intro, &IntroRevealView::revealed, this, &ContentView::revealIntro);
    connect(intro, &IntroRevealView::done, this, &ContentView::finishIntro);
    mainLayer_->setIntro(intro);
  }
  updateInput();
  if (!playIntro) {
    mainLayer_->split()->show();
    focusScreen();
  }
}

void ContentView::revealIntro() {
  if (!playingIntro_) return;
  mainLayer_->split()->show();
  delete reveal_;
  reveal_ = new QVariantAnimation(this);
  reveal_->setDuration(kRevealFadeMs);
  reveal_->setEasingCurve(design::easeInOutCurve());
  reveal_->setStartValue(introHomeOpacity_);
  reveal_->setEndValue(1.0);
  connect(reveal_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
    introHomeOpacity_ = value.toDouble();
    if (playingIntro_) mainLayer_->setSplitOpacity(introHomeOpacity_);
  });
  reveal_->start();
}

void ContentView::finishIntro() {
  if (reveal_) {
    reveal_->stop();
    reveal_->deleteLater();
    reveal_ = nullptr;
  }
  playingIntro_ = false;
  introHomeOpacity_ = 1.0;
  mainLayer_->setSplitOpacity(1.0);
  mainLayer_->split()->show();
  mainLayer_->setIntro(nullptr);
  updateInput();
  focusScreen();
}

void ContentView::focusScreen() { design::KeyboardFocus::focusFirst(detailPane()->screen()); }

void ContentView::updateInput() {
  // The layers under About, the welcome card or the intro take no clicks,
  // keys or focus while those are shown, so Tab stays on top.
  mainLayer_->setEnabled(!onboarding_ && !playingIntro_ && !showAbout_);
  if (onboarding_) onboarding_->setEnabled(!showAbout_);
}

IntroRevealView::PlayerFactory ContentView::introPlayerFactory() const {
  return context_.introPlayer ? context_.introPlayer : IntroRevealView::bundledVideo();
}

void ContentView::prepareIntro() {
  if (!introPreparation_) return;
  // The bundled video's backend is chosen here, on the GUI thread; only
  // loading its libraries is left to the worker.
  introPreparation_->start(context_.introPlayer ? context_.introWarmUp
                                                : MediaIntroPlayer::backendLoader(introVideoFile()));
}

void ContentView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  // The welcome card is the page shown: its one control has the focus.
  if (onboarding_ && !design::KeyboardFocus::holdsFocus(onboarding_))
    design::KeyboardFocus::focusFirst(onboarding_);
  appear();
  // The welcome card is on screen: the intro gets ready behind it.
  prepareIntro();
}

void ContentView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  mainLayer_->setGeometry(rect());
  if (onboarding_) onboarding_->setGeometry(rect());
}

}  // namespace tidewell::app
