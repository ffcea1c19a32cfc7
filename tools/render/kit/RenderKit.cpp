// render-kit: the shared screen kit, element by element, in the states the
// screens put it in. scripts/screens OUTDIR runs it with the others.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QPainter>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/components/PillButton.h"
#include "design/components/ScreenHeader.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "screens/clean/review/CheckColour.h"
#include "screens/common/CleanUpLabel.h"
#include "screens/common/Formatting.h"
#include "screens/common/controls/ConfirmAlert.h"
#include "screens/common/controls/SegmentedControl.h"
#include "screens/common/controls/SelectionBox.h"
#include "screens/common/controls/SmallPillButton.h"
#include "screens/common/layout/AdaptiveGrid.h"
#include "screens/common/layout/FooterBar.h"
#include "screens/common/layout/HairlineRule.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/layout/Surface.h"
#include "screens/common/layout/WidthCap.h"
#include "screens/common/services/AppIconSource.h"
#include "screens/common/services/DesktopAppIconProvider.h"
#include "screens/common/views/AppIconView.h"
#include "screens/common/views/Badge.h"
#include "screens/common/views/IconLabel.h"
#include "screens/common/views/ProgressBar.h"
#include "screens/common/views/ResultBanner.h"
#include "screens/common/views/Spinner.h"
#include "screens/common/views/SymbolButton.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/deepscan/DeepScanLook.h"
#include "screens/devmode/DevModeLook.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"

namespace tidewell::render {

// A renderer shows the screens: their names read as they do there.
using namespace screens;
namespace {

using namespace design::literals;
using design::FontWeight;
using design::SectionPalette;
using design::Color::secondaryText;
using design::Color::tertiaryText;

const QColor kPillText = design::Color::pillText();

QWidget* column(std::initializer_list<QWidget*> children, int spacing = 12) {
  auto* w = new QWidget;
  auto* box = new QVBoxLayout(w);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(spacing);
  for (QWidget* c : children) box->addWidget(c);
  box->addStretch(1);
  return w;
}

QWidget* row(std::initializer_list<QWidget*> children, int spacing = 12) {
  auto* w = new QWidget;
  auto* box = new QHBoxLayout(w);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(spacing);
  for (QWidget* c : children) box->addWidget(c, 0, Qt::AlignVCenter);
  box->addStretch(1);
  return w;
}

TextLabel* caption(const QString& text) {
  return new TextLabel(text, textLook(10.5, FontWeight::Medium, tertiaryText()));
}

QWidget* framed(QWidget* inner, int width) {
  auto* w = new QWidget;
  w->setFixedWidth(width);
  auto* box = new QVBoxLayout(w);
  box->setContentsMargins(0, 0, 0, 0);
  box->addWidget(inner);
  return w;
}

const QString kNote = QStringLiteral(
    "Renders exports for Premiere Pro & After Effects in the background. Keep it if you export video.");

QWidget* textsPage() {
  auto* end = new TextLabel(QStringLiteral("Adobe Media Encoder 2025 with a name far too long for its card"),
                            textLook(13.5, FontWeight::Semibold));
  auto* middle = new TextLabel(QStringLiteral("com.example.very-long-application-identifier.helper.app"),
                               textLook(12.5, FontWeight::Medium).elided(Qt::ElideMiddle));
  auto* twoLines =
      new TextLabel(kNote, textLook(11, FontWeight::Regular, secondaryText()).lines(2).reserving(2));
  auto* reserved = new TextLabel(QStringLiteral("No recent use on record"),
                                 textLook(11, FontWeight::Regular, secondaryText()).lines(2).reserving(2));
  auto* centred =
      new TextLabel(QStringLiteral("Every build, install and prompt leaves artifacts behind. Tidewell Mac "
                                   "clears only what your tools can rebuild on their own."),
                    textLook(12.5, FontWeight::Regular, secondaryText()).lines(0).centred());
  centred->setMaximumWidth(420);
  auto* digits = new TextLabel(
      QStringLiteral("1.23 GB"),
      textLook(24, FontWeight::Bold, Qt::white, design::FontDesign::Rounded).withMonospacedDigits());
  auto* tracked = new TextLabel(QStringLiteral("FREE RIGHT NOW"),
                                textLook(11, FontWeight::Semibold, secondaryText()).tracked(1.1));
  auto* icon =
      new IconLabel("arrow.uturn.backward"_symbol, QStringLiteral("You can undo this from the Trash."),
                    textLook(11, FontWeight::Regular, secondaryText()));
  auto* lock = new IconLabel("lock.shield.fill"_symbol, QStringLiteral("Never touches"),
                             textLook(11, FontWeight::Semibold), SectionPalette::devMode().primary);
  auto* badges = row(
      {new Badge(QStringLiteral("helper"), {10, design::Color::white(0.55), design::Color::white(0.1), 7, 2}),
       new Badge(QStringLiteral("unused"),
                 {10, design::Color::systemOrange(),
                  design::Color::withOpacity(design::Color::systemOrange(), 0.16), 7, 2}),
       new Badge(QStringLiteral("review"),
                 {10, design::Color::systemOrange(),
                  design::Color::withOpacity(design::Color::systemOrange(), 0.18), 6, 2}),
       new Badge(QStringLiteral("System"), {10, secondaryText(), design::Color::white(0.08), 7, 2})},
      8);
  auto* header = new design::ScreenHeader(
      QStringLiteral("Apps"), QStringLiteral("12 apps · 4.2 GB. Deletes go to the Trash, undo anytime."));
  return column(
      {header, caption("one line, cut at the end (240 wide)"), framed(end, 240),
       caption("one line, cut in the middle (240 wide)"), framed(middle, 240),
       caption("two lines, cut after the second; two lines reserved (220 wide)"),
       row({framed(twoLines, 220), framed(reserved, 220)}, 24),
       caption("wrapping, centred, at most 420 wide"), centred, caption("monospaced digits, tracked caption"),
       row({digits, tracked}, 24), caption("title-and-icon labels, badges"), row({icon, lock}, 24), badges},
      10);
}

BannerLook appsLook(bool succeeded) {
  const QColor colour = succeeded ? design::Color::systemGreen() : design::Color::systemOrange();
  BannerLook look;
  look.card = {18, 14, colour, false, false};
  look.spacing = 12;
  look.symbol = succeeded ? "checkmark.circle.fill"_symbol : "exclamationmark.triangle.fill"_symbol;
  look.symbolColour = colour;
  look.symbolSize = 18;
  look.message = textLook(11, FontWeight::Regular, secondaryText()).lines(2);
  return look;
}

QWidget* bannersPage() {
  auto* moved = new ResultBanner(appsLook(true));
  moved->setText(QStringLiteral("Moved Notes Helper to the Trash"),
                 QStringLiteral("4 items · ") + screens::bytesText(1'530'000'000) +
                     QStringLiteral(". Empty the Trash to lock it in."));
  auto* failed = new ResultBanner(appsLook(false));
  QStringList left;
  for (int i = 1; i <= 14; ++i) left << QStringLiteral("com.example.notes.helper-cache-%1").arg(i);
  failed->setText(QStringLiteral("Notes Helper: some items couldn't be moved"),
                  QStringLiteral("Couldn't move: ") + left.join(QStringLiteral(", ")));

  screens::BannerLook deep;
  deep.card = {16, 14, DeepScanLook::safeGreen(), false, false};
  deep.symbol = "checkmark.circle.fill"_symbol;
  deep.symbolColour = DeepScanLook::safeGreen();
  deep.message = screens::textLook(12).lines(2);
  auto* trashed = new ResultBanner(deep);
  trashed->setText(
      std::nullopt,
      QStringLiteral("Moved Xcode_15.dmg to the Trash • 3.1 GB. Empty the Trash to lock it in."));

  screens::BannerLook info;
  info.card = {14, 12, std::nullopt, false, false};
  info.message = screens::textLook(12, FontWeight::Regular, design::Color::white(0.9));
  auto* asked = new ResultBanner(info);
  asked->setText(std::nullopt, QStringLiteral("Asked Safari to quit. Its memory frees as it closes."));

  screens::BannerLook advisor = info;
  advisor.card = {16, 14, std::nullopt, false, false};
  advisor.message = screens::textLook(12).lines(0);
  auto* deleted = new ResultBanner(advisor);
  deleted->setText(std::nullopt,
                   QStringLiteral("Deleted iOS 17.5. If the space doesn't show up, a restart releases it. "
                                  "Simulators that used it stop working until Xcode downloads it again, "
                                  "the next time you need them."));
  auto* advisorPane = new QWidget;
  design::SectionAccent::set(advisorPane, SectionPalette::advisor());
  auto* advisorBox = new QVBoxLayout(advisorPane);
  advisorBox->setContentsMargins(0, 0, 0, 0);
  advisorBox->addWidget(new WidthCap(deleted, 460));
  return column({caption("Apps: succeeded (title over detail)"), moved,
                 caption("Apps: not succeeded, detail cut after two lines"), failed,
                 caption("Deep Scan: one message"), trashed, caption("Performance: info, accent glow (mint)"),
                 asked, caption("Advisor: wraps every line (460 wide, orange)"), advisorPane},
                10);
}

QWidget* controlsPage() {
  const QColor cleanCheck = screens::cleanCheckColour();
  const QColor devCheck = DevModeLook::checkColour();
  auto boxes = [&](const QColor& check) {
    auto box = [&](SelectionMark mark) {
      auto* made = new SelectionBox(check, mark);
      made->setAccessibleName(QStringLiteral("Example"));
      return made;
    };
    return row({box(SelectionMark::off), box(SelectionMark::on), box(SelectionMark::mixed)}, 10);
  };
  auto* devBoxes = boxes(devCheck);
  design::SectionAccent::set(devBoxes, SectionPalette::devMode());

  auto* memory = new SegmentedControl({QStringLiteral("Memory"), QStringLiteral("Startup")}, 0);
  auto* startup = new SegmentedControl({QStringLiteral("Memory"), QStringLiteral("Startup")}, 1);

  auto* pills = row({new SmallPillButton(QStringLiteral("Smart")), new SmallPillButton(QStringLiteral("All")),
                     new SmallPillButton(QStringLiteral("None"))},
                    6);
  auto* spinners =
      row({new Spinner(ControlSize::regular), new Spinner(ControlSize::small), new Spinner(ControlSize::mini),
           new Spinner(ControlSize::small, SectionPalette::apps().primary)},
          16);
  auto* bars = column({new ProgressBar(0, 240), new ProgressBar(0.37, 240), new ProgressBar(1, 260)}, 10);

  auto* pulse = new SymbolView("magnifyingglass"_symbol, 40, FontWeight::Light);
  pulse->pulse();
  auto* wand =
      new SymbolView("wand.and.stars"_symbol, 46, FontWeight::Light, SectionPalette::advisor().primary);
  auto* close = new SymbolButton("xmark"_symbol, 11, FontWeight::Semibold, secondaryText());
  close->setAccessibleName(QStringLiteral("Close"));
  auto* symbols = row({pulse, wand, close}, 18);

  const design::PillButtonLook cleanUpLook{std::nullopt, kPillText, 12.5, 18, 9};
  auto* enabled = new design::PillButton(cleanUpLabel(), cleanUpLook);
  auto* disabled = new design::PillButton(cleanUpLabel(), cleanUpLook);
  disabled->setEnabled(false);
  disabled->setOpacity(0.45);
  auto* buttons =
      row({enabled, disabled, new design::GhostPillButton({QStringLiteral("Back"), std::nullopt})}, 12);

  return column({caption("selection boxes off / on / mixed: Clean (green), Dev Mode (cyan)"),
                 boxes(cleanCheck), devBoxes, caption("segmented control, each segment chosen"),
                 row({memory, startup}, 20), caption("small pills of a detail header"), pills,
                 caption("spinners: regular, small, mini in the accent; small in purple"), spinners,
                 caption("progress bars at 0, 0.37 (240 wide) and 1 (260 wide)"), bars,
                 caption("symbols: pulsing (still under reduce motion), tinted, the dismiss button"), symbols,
                 caption("\"Clean Up\" enabled and disabled at 0.45, a ghost pill"), buttons},
                10);
}

Surface* appCard(const QString& path, const QString& name, const QString& version,
                 std::optional<Badge*> badge, const QString& note, int64_t bytes,
                 const std::shared_ptr<AppIconProvider>& icons, bool hovering) {
  auto* card = new Surface({16, design::Color::raisedSurface(),
                            hovering ? design::Color::withOpacity(SectionPalette::apps().primary, 0.45)
                                     : design::Color::hairline(),
                            1});
  auto* box = new QVBoxLayout(card);
  box->setContentsMargins(14, 14, 14, 14);
  box->setSpacing(7);
  auto* icon = new AppIconView(path, icons);
  icon->setFixedSize(40, 40);
  box->addWidget(icon);
  box->addWidget(new TextLabel(name, textLook(13.5, FontWeight::Semibold)));
  auto* meta = new QHBoxLayout;
  meta->setSpacing(6);
  if (!version.isEmpty())
    meta->addWidget(new TextLabel(version, textLook(10.5, FontWeight::Regular, tertiaryText())));
  if (badge) meta->addWidget(*badge);
  meta->addStretch(1);
  box->addLayout(meta);
  box->addWidget(
      new TextLabel(note, textLook(11, FontWeight::Regular, secondaryText()).lines(2).reserving(2)));
  box->addSpacing(2);
  box->addWidget(new TextLabel(
      bytesText(bytes),
      textLook(16, FontWeight::Bold, Qt::white, design::FontDesign::Rounded).withMonospacedDigits()));
  return card;
}

QWidget* gridPage(const std::shared_ptr<probe::ManualIconProvider>& icons) {
  auto* scroll = new ScrollColumn;
  scroll->column()->setContentsMargins(28, 28, 28, 28);
  scroll->column()->setSpacing(16);
  scroll->column()->addWidget(new design::ScreenHeader(
      QStringLiteral("Apps"), QStringLiteral("6 apps · 9.4 GB. Deletes go to the Trash, undo anytime.")));
  auto* grid = new AdaptiveGrid({230, 12, 12});
  const BadgeLook helper{10, design::Color::white(0.55), design::Color::white(0.1), 7, 2};
  const BadgeLook unused{10, design::Color::systemOrange(),
                         design::Color::withOpacity(design::Color::systemOrange(), 0.16), 7, 2};
  grid->setCells({
      appCard("/Applications/Media Encoder.app", "Adobe Media Encoder 2025", "25.1",
              new Badge("helper", helper), kNote, 2'410'000'000, icons, false),
      appCard("/Applications/Old Game.app", "Old Game", "1.0.3", new Badge("unused", unused),
              "Used 4 months ago", 5'600'000'000, icons, true),
      appCard("/Applications/Editor.app", "Editor", "", std::nullopt, "No recent use on record", 312'000'000,
              icons, false),
      appCard("/Applications/Pending.app", "Icon still loading", "2.0", std::nullopt, "Used 2 days ago",
              84'000'000, icons, false),
      appCard("/Applications/Tiny.app", "Tiny", "0.1", std::nullopt, "Used 1 month ago", 1'200'000, icons,
              false),
      appCard("/Applications/Negative.app", "Negative size shows zero", "", std::nullopt,
              "No recent use on record", -5, icons, false),
  });
  scroll->column()->addWidget(grid);
  scroll->column()->addStretch(1);
  return scroll;
}

QWidget* surfacesPage() {
  const SectionPalette& accent = SectionPalette::clean();
  auto rowOf = [&](const QString& title, const QString& detail, bool on, bool caution) {
    auto* chip = new Surface(
        {14, on ? design::Color::withOpacity(accent.primary, 0.07) : design::Color::raisedSurface(),
         on ? design::Color::withOpacity(accent.primary, 0.35) : design::Color::hairline(), 1});
    chip->setClickable(true);
    auto* box = new QHBoxLayout(chip);
    box->setContentsMargins(12, 12, 12, 12);
    box->setSpacing(12);
    auto* check = new SelectionBox(cleanCheckColour(), on ? SelectionMark::on : SelectionMark::off);
    check->setClickable(false);
    box->addWidget(check);
    auto* text = new QVBoxLayout;
    text->setSpacing(2);
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(6);
    titleRow->addWidget(new TextLabel(title, textLook(13, FontWeight::Medium)));
    if (caution)
      titleRow->addWidget(
          new Badge("Review", {10, design::Color::systemOrange(),
                               design::Color::withOpacity(design::Color::systemOrange(), 0.18), 6, 2}));
    titleRow->addStretch(1);
    text->addLayout(titleRow);
    text->addWidget(new TextLabel(detail, textLook(11.5, FontWeight::Regular, secondaryText()).lines(0)));
    box->addLayout(text, 1);
    box->addSpacing(8);
    box->addWidget(new TextLabel(
        bytesText(on ? 2'300'000'000 : 512'000'000),
        textLook(13, FontWeight::Semibold, on ? QColor(Qt::white) : secondaryText()).withMonospacedDigits()));
    return chip;
  };
  auto* body = new QWidget;
  auto* split = new QHBoxLayout(body);
  split->setContentsMargins(0, 0, 0, 0);
  split->setSpacing(0);
  auto* rail =
      column({caption("rail"), new TextLabel("Developer Caches", textLook(13, FontWeight::Semibold))}, 8);
  rail->setFixedWidth(200);
  rail->layout()->setContentsMargins(14, 14, 14, 14);
  split->addWidget(rail);
  split->addWidget(new HairlineRule(Qt::Vertical));
  auto* pane =
      column({rowOf("Xcode DerivedData", "Build products Xcode re-creates on the next build.", true, false),
              rowOf("iOS Device Support",
                    "Symbols for devices you plugged in once. Xcode fetches them again "
                    "when a device connects, which can take a while.",
                    false, true)},
             8);
  pane->layout()->setContentsMargins(22, 14, 22, 16);
  split->addWidget(pane, 1);

  auto* footer = new FooterBar;
  auto* figures = new QVBoxLayout;
  figures->setSpacing(1);
  figures->addWidget(new TextLabel(
      bytesText(2'300'000'000),
      textLook(17, FontWeight::Bold, Qt::white, design::FontDesign::Rounded).withMonospacedDigits()));
  figures->addWidget(
      new TextLabel(QStringLiteral("1 of 2 picked"), textLook(11, FontWeight::Regular, secondaryText())));
  footer->row()->addLayout(figures);
  footer->row()->addStretch(1);
  footer->row()->addWidget(new design::GhostPillButton({QStringLiteral("Back"), std::nullopt}));
  footer->row()->addWidget(new design::PillButton(cleanUpLabel(), {std::nullopt, kPillText, 12.5, 18, 9}));

  auto* page = new QWidget;
  auto* box = new QVBoxLayout(page);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  box->addWidget(body, 1);
  box->addWidget(footer);
  return page;
}

// Waits (a few seconds at most) for every view below root to get its icon.
void waitForIcons(QWidget* root) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 5000) {
    probe::render(root);
    bool all = true;
    for (screens::AppIconView* view : root->findChildren<screens::AppIconView*>())
      all = all && view->hasIcon();
    if (all) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
}

QWidget* iconsPage(const QString& folder, const std::shared_ptr<screens::AppIconProvider>& icons) {
  auto tile = [&](const QString& path, const QString& what) {
    auto* view = new AppIconView(path, icons);
    view->setFixedSize(44, 44);
    auto* label =
        new TextLabel(what, textLook(10.5, FontWeight::Regular, secondaryText()).lines(0).centred());
    label->setFixedWidth(130);
    auto* w = new QWidget;
    auto* box = new QVBoxLayout(w);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(6);
    box->addWidget(view, 0, Qt::AlignHCenter);
    box->addWidget(label);
    return w;
  };
  return column({caption("application icons through the desktop provider (44 x 44)"),
                 row({tile(folder + "/Pictured.app", "bundle with a PNG icon"),
                      tile(folder + "/Plain.app", "bundle without an icon: generic"),
                      tile(folder + "/entry.desktop", "desktop entry, icon file"),
                      tile(folder, "a folder: the theme's, else generic"), tile("/", "\"/\" (no URL)")},
                     10)},
                10);
}

void writeFixtureApps(const QString& folder) {
  QDir().mkpath(folder + "/Pictured.app/Contents/Resources");
  QDir().mkpath(folder + "/Plain.app/Contents/MacOS");
  QFile plist(folder + "/Pictured.app/Contents/Info.plist");
  if (plist.open(QIODevice::WriteOnly))
    plist.write(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
        "<key>CFBundleIconFile</key><string>AppIcon</string></dict></plist>");
  plist.close();
  // Our own generic tile, tinted, stands in for a real application's art.
  QImage art = screens::genericAppIcon(256);
  {
    QPainter p(&art);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.fillRect(art.rect(), design::Color::withOpacity(SectionPalette::apps().primary, 0.55));
  }
  art.save(folder + "/Pictured.app/Contents/Resources/AppIcon.png");
  QImage entryArt = art.mirrored(true, false);
  {
    QPainter p(&entryArt);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.fillRect(entryArt.rect(), design::Color::withOpacity(SectionPalette::clean().primary, 0.6));
  }
  entryArt.save(folder + "/entry.png");
  QFile entry(folder + "/entry.desktop");
  if (entry.open(QIODevice::WriteOnly))
    entry.write(("[Desktop Entry]\nType=Application\nName=Entry\nIcon=" + folder + "/entry.png\n").toUtf8());
}

}  // namespace
}  // namespace tidewell::render

int main(int argc, char** argv) {
  using namespace tidewell;
  using namespace tidewell::render;
  return probe::runRenderer(argc, argv, [](probe::Shots& shots) {
    const QMargins pad(28, 28, 28, 28);
    shots.take("kit-texts", textsPage(), design::SectionPalette::apps(), {620, 640}, pad);
    shots.take("kit-banners", bannersPage(), design::SectionPalette::performance(), {640, 560}, pad);
    shots.take("kit-controls", controlsPage(), design::SectionPalette::clean(), {620, 640}, pad);

    probe::FakeServices fakes;
    fakes.icons->immediate = false;
    for (const char* path :
         {"/Applications/Media Encoder.app", "/Applications/Old Game.app", "/Applications/Editor.app",
          "/Applications/Tiny.app", "/Applications/Negative.app"})
      fakes.icons->deliver(QString::fromLatin1(path), screens::genericAppIcon(AppIconProvider::kIconPixels));
    shots.take("kit-grid-wide", gridPage(fakes.icons), design::SectionPalette::apps(),
               probe::kDetailPaneSize);
    shots.take("kit-grid-narrow", gridPage(fakes.icons), design::SectionPalette::apps(), {520, 740});
    shots.take("kit-surfaces", surfacesPage(), design::SectionPalette::clean(), {760, 360});

    QTemporaryDir fixtures;
    writeFixtureApps(fixtures.path());
    auto desktopIcons = std::make_shared<screens::DesktopAppIconProvider>();
    {
      probe::Stage stage(iconsPage(fixtures.path(), desktopIcons), design::SectionPalette::apps(), {760, 150},
                         pad);
      waitForIcons(&stage);
      shots.take("kit-icons", stage);
    }

    {
      probe::Stage window(new QWidget, design::SectionPalette::deepScan(), {600, 300});
      window.show();
      auto* alert = new ConfirmAlert(
          QStringLiteral("Move to Trash?"),
          QStringLiteral("“Application Support” (2.4 GB) holds app data. Logins or settings "
                         "could go with it. It'll sit in the Trash if you change your mind."),
          QStringLiteral("Move to Trash"), design::Color::destructiveRed(), &window);
      alert->open();
      probe::settle();
      shots.save("kit-alert", probe::render(alert, alert->size(), 2));
      alert->reject();
    }
  });
}
