#pragma once
// One card of a Deep Scan bucket's grid: what kind of thing a big item is,
// its name, where it lies, its size and a sentence about it, with the
// actions it allows (Reveal; the trash button unless it is a container
// disk; Copy command for a container disk with a reclaim command). The card
// never reads a model: Reveal and trash run the screen's callbacks, and
// Copy command writes the command to the clipboard seam itself, then reads
// "Copied" until the delay seam calls back (two seconds in the app). GUI
// thread only.

#include <QWidget>
#include <chrono>
#include <functional>

#include "engine/BigItem.h"

namespace tidewell::design {
class GhostPillButton;
}

namespace tidewell::screens {

class TrashPillButton;

struct BigItemCardSeams {
  // Puts text on the clipboard as plain text, replacing what was there.
  std::function<void(const QString& text)> copyText;
  // Runs done once after the delay; the app uses a single-shot timer owned
  // by the card, tests fire it themselves.
  std::function<void(QObject* owner, std::chrono::milliseconds delay, std::function<void()> done)> after;
};

// How long the copy button reads "Copied".
inline constexpr std::chrono::milliseconds kCopiedFor{2000};

class BigItemCard : public QWidget {
  Q_OBJECT
 public:
  BigItemCard(engine::BigItem item, std::function<void()> onReveal, std::function<void()> onTrash,
              BigItemCardSeams seams, QWidget* parent = nullptr);

  const engine::BigItem& item() const { return item_; }
  QString badgeText() const;
  QString nameText() const;
  QString locationText() const;
  QString sizeText() const;
  QString noteText() const;
  // The note as drawn at the current width: at most three lines, the last
  // one shortened when the note runs longer.
  QStringList noteLines() const;
  bool isCopied() const { return copied_; }
  bool isHovering() const { return hovering_; }
  void setHovering(bool hovering);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void copyCommand();
  void setCopied(bool copied);
  void placeButtons();

  engine::BigItem item_;
  BigItemCardSeams seams_;
  bool hovering_ = false;
  bool copied_ = false;
  design::GhostPillButton* reveal_ = nullptr;
  design::GhostPillButton* copy_ = nullptr;
  TrashPillButton* trash_ = nullptr;
};

}  // namespace tidewell::screens
