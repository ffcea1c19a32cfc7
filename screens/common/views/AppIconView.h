#pragma once
// The icon of an application bundle (or of any file), as the desktop shows
// it. Until the icon is there it shows the placeholder: a rounded rectangle
// (corner radius 8, continuous) of white at 0.06. It asks its provider for
// the icon the first time it is painted, that is when it first comes on
// screen, and keeps what it gets for its lifetime: coming on screen again,
// or a later change of the file, loads nothing. It has no size of its own:
// the caller frames it (40 x 40 on an app card). GUI thread only.

#include <QImage>
#include <QWidget>
#include <memory>

namespace tidewell::screens {

class AppIconProvider;

void paintAppIconPlaceholder(QPainter& painter, const QRectF& rect);

class AppIconView : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString path READ path)
 public:
  AppIconView(QString path, std::shared_ptr<AppIconProvider> icons, QWidget* parent = nullptr);

  const QString& path() const { return path_; }
  bool hasIcon() const { return !icon_.isNull(); }
  const QImage& icon() const { return icon_; }
  // Whether it has asked for its icon yet.
  bool hasRequested() const { return requested_; }

  QSize sizeHint() const override { return {40, 40}; }

 Q_SIGNALS:
  void iconLoaded();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void request();
  void take(const QImage& image);

  QString path_;
  std::shared_ptr<AppIconProvider> icons_;
  QImage icon_;
  bool requested_ = false;
  QMetaObject::Connection waiting_;
};

}  // namespace tidewell::screens
