#include "screens/clean/result/ResultPanel.h"

#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/components/CountUpBytes.h"
#include "design/components/GhostPillButton.h"
#include "design/components/GlowCard.h"
#include "design/components/RingGauge.h"
#include "screens/clean/ProgressRing.h"
#include "screens/common/Formatting.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/WidthCap.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontDesign;
using design::FontWeight;
using design::Color::secondaryText;

namespace {

constexpr double kSweep = 1.8;
constexpr int kCounterWidth = 140;

QString headlineText() { return QStringLiteral("All clean!"); }
QString allDoneText() { return QStringLiteral("All done"); }

QWidget* ringCentre(const CleanedContent& content, int64_t freedBytes) {
  auto* centre = new QWidget;
  auto* column = new QVBoxLayout(centre);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(4);
  if (!content.showsCounter) {
    column->addWidget(
        named(new TextLabel(allDoneText(), textLook(28, FontWeight::Bold, Qt::white, FontDesign::Rounded)),
              "allDone"),
        0, Qt::AlignHCenter);
    return centre;
  }
  auto* count = named(
      new design::CountUpBytes(freedBytes, kSweep, design::inter(32, FontWeight::Bold, FontDesign::Rounded)),
      "reclaimedCount");
  // In the accent of wherever the panel is placed.
  count->setColor(std::nullopt);
  count->setMinimumScale(0.5);
  count->setMaximumWidth(kCounterWidth);
  column->addWidget(count, 0, Qt::AlignHCenter);
  column->addWidget(
      named(new TextLabel(QStringLiteral("reclaimed"), textLook(12, FontWeight::Regular, secondaryText())),
            "reclaimedWord"),
      0, Qt::AlignHCenter);
  return centre;
}

QWidget* freeSpaceRow(const CleanedContent& content) {
  auto* row = new QWidget;
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(7);
  const TextLook figure = textLook(12.5, FontWeight::Semibold).withMonospacedDigits();
  line->addWidget(named(new TextLabel(content.freeBefore, figure.coloured(secondaryText())), "freeBefore"), 0,
                  Qt::AlignVCenter);
  line->addWidget(new SymbolView("arrow.right"_symbol, 10, FontWeight::Bold), 0, Qt::AlignVCenter);
  line->addWidget(named(new TextLabel(content.freeAfter, figure), "freeAfter"), 0, Qt::AlignVCenter);
  return row;
}

QWidget* failuresCard(const QString& sentence) {
  const QColor orange = design::Color::systemOrange();
  auto* card = named(new design::GlowCard({20, 16, orange, false, false}), "failuresCard");
  auto* content = new QWidget;
  auto* row = new QHBoxLayout(content);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(10);
  row->addWidget(new SymbolView("exclamationmark.triangle.fill"_symbol, 13, FontWeight::Regular, orange), 0,
                 Qt::AlignTop);
  auto* words = new QVBoxLayout;
  words->setSpacing(3);
  words->addWidget(
      named(new TextLabel(QStringLiteral("A few items wouldn't budge"), textLook(12.5, FontWeight::Semibold)),
            "failuresTitle"));
  words->addWidget(
      named(new TextLabel(sentence, textLook(11.5, FontWeight::Regular, secondaryText()).lines(0)),
            "failuresSentence"));
  row->addLayout(words, 1);
  card->setContent(content);
  return new WidthCap(card, 440, Qt::AlignHCenter);
}

}  // namespace

ResultPanel::ResultPanel(const CleanedContent& content, int64_t freedBytes, QWidget* parent)
    : QWidget(parent), ring_(named(new ProgressRing(190, 11, kSweep), "resultRing")) {
  setObjectName(QStringLiteral("resultPanel"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(22);
  column->addStretch(1);

  ring_->centre()->addWidget(ringCentre(content, freedBytes), 0, Qt::AlignCenter);
  column->addWidget(ring_, 0, Qt::AlignHCenter);
  // The gauge is named by the word in it; the screen is the news a reader
  // hears as it comes: the headline and what was won.
  const QString word = content.showsCounter ? QStringLiteral("reclaimed") : allDoneText();
  ring_->gauge()->setAccessibleName(word);
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::AlertMessage;
  traits.name = [] { return headlineText(); };
  const QString won = content.showsCounter ? bytesText(freedBytes) + QStringLiteral(" reclaimed") : word;
  traits.description = [won] { return won; };

  auto* headline = new QVBoxLayout;
  headline->setSpacing(6);
  headline->addWidget(
      named(new TextLabel(headlineText(), textLook(26, FontWeight::Bold, Qt::white, FontDesign::Rounded)),
            "resultHeadline"),
      0, Qt::AlignHCenter);
  headline->addWidget(named(new TextLabel(QStringLiteral("Your Mac just got lighter."),
                                          textLook(13, FontWeight::Regular, secondaryText())),
                            "resultSubline"),
                      0, Qt::AlignHCenter);
  column->addLayout(headline);
  column->addWidget(freeSpaceRow(content), 0, Qt::AlignHCenter);
  if (content.failureSentence) column->addWidget(failuresCard(*content.failureSentence));

  auto* doneButton = named(new design::GhostPillButton({QStringLiteral("Done"), std::nullopt}), "doneButton");
  column->addSpacing(6);
  column->addWidget(doneButton, 0, Qt::AlignHCenter);
  column->addStretch(1);
  connect(doneButton, &QAbstractButton::clicked, this, &ResultPanel::doneClicked);
}

void ResultPanel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window coming back from the Dock is not a new showing.
  if (event->spontaneous()) return;
  ring_->jumpTo(0);
  ring_->setProgress(1);
  design::accessibleAlertShown(this);
}

}  // namespace tidewell::screens
