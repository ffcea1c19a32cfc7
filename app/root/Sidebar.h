#pragma once
// The main window's left column, 236 wide: the logo (which opens About),
// one row per visible section, then at the bottom the Full Disk Access item
// and the About row. Each row draws in its own section's colours; the
// column itself is outside the detail pane's section accent.
// It only reports clicks (and Up and Down on a row, which select the
// section above or below and move the focus there); the root view owns the
// section shown. A reader meets the rows as the tabs of one tab list.
// GUI thread only.

#include <QAbstractButton>
#include <QWidget>
#include <map>
#include <optional>
#include <vector>

#include "app/root/Section.h"
#include "design/brand/BrandAsset.h"
#include "design/paint/PaintCache.h"

namespace tidewell::design {
class SidebarRow;
}

namespace tidewell::app {

class FullDiskAccessCard;

inline constexpr int kSidebarWidth = 236;

class Sidebar : public QWidget {
  Q_OBJECT
 public:
  Sidebar(const std::vector<Section>& sections, Section active, bool fullDiskAccess,
          QWidget* parent = nullptr);

  void setActive(Section section);
  Section active() const { return active_; }
  // The row of section, or nullptr when section is not shown.
  design::SidebarRow* row(Section section) const;
  // Row labels top to bottom.
  QStringList rowTitles() const;
  FullDiskAccessCard* accessCard() const { return accessCard_; }

 Q_SIGNALS:
  void sectionSelected(tidewell::app::Section section);
  void aboutRequested();
  void enableAccessRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<std::pair<Section, design::SidebarRow*>> rows_;
  Section active_;
  FullDiskAccessCard* accessCard_;
};

// The logo at the head of the sidebar, as a button.
class SidebarLogoButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit SidebarLogoButton(QWidget* parent = nullptr);
  bool showsArtwork() const { return artwork_.has_value(); }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<design::BrandArtwork> artwork_;
  design::PaintCache paintCache_;
};

// "About Tidewell Mac" at the foot of the sidebar.
class SidebarAboutRow : public QAbstractButton {
  Q_OBJECT
 public:
  explicit SidebarAboutRow(QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tidewell::app
