#include "app/ApplicationSetup.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <QThreadPool>

#include "design/accessibility/AccessibleTraits.h"
#include "design/brand/BrandAsset.h"
#include "design/brand/ResourceRoot.h"
#include "design/theme/Color.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::app {

QPalette darkPalette() {
  using namespace design;
  QPalette palette;
  const QColor text = Color::white();
  const QColor quiet = Color::tertiaryText();
  palette.setColor(QPalette::Window, Color::appBackground());
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Base, Color::cardSurface());
  palette.setColor(QPalette::AlternateBase, Color::raisedSurface());
  palette.setColor(QPalette::ToolTipBase, Color::raisedSurface());
  palette.setColor(QPalette::ToolTipText, text);
  palette.setColor(QPalette::PlaceholderText, Color::secondaryText());
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Button, Color::raisedSurface());
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::BrightText, Color::systemRed());
  palette.setColor(QPalette::Light, Color::raisedSurface().lighter(140));
  palette.setColor(QPalette::Midlight, Color::raisedSurface().lighter(120));
  palette.setColor(QPalette::Mid, Color::cardSurface());
  palette.setColor(QPalette::Dark, Color::appBackground().darker(150));
  palette.setColor(QPalette::Shadow, Qt::black);
  palette.setColor(QPalette::Highlight, SectionPalette::clean().primary);
  palette.setColor(QPalette::HighlightedText, Color::pillText());
  palette.setColor(QPalette::Link, SectionPalette::clean().primary);
  palette.setColor(QPalette::LinkVisited, SectionPalette::clean().deep);
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, quiet);
  }
  return palette;
}

void configureApplication(QApplication& application) {
  QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
  QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
  QApplication::setPalette(darkPalette());
  const QString mark = design::brandAssetFile(design::BrandAsset::Mark, design::resourceRoot());
  if (!mark.isEmpty()) QApplication::setWindowIcon(QIcon(mark));
  application.setQuitOnLastWindowClosed(false);
  // Qt's raster painting cuts every large image draw into strips for the
  // global thread pool and waits for them. For the backdrop's ten frames a
  // second, waking a thread per core costs more processor time than it
  // saves (a third of what the window costs sitting on Home), so one
  // helper thread draws the strips. Engine work has pools of its own.
  QThreadPool::globalInstance()->setMaxThreadCount(1);
  // Our painted widgets read to assistive technology through interfaces of
  // our own, from the first widget made.
  design::installAccessibility();
}

}  // namespace tidewell::app
