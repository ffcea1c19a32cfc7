#pragma once
// Registers the Inter faces kept among the resources for this process.
// Called once at start-up, before any window is shown.

#include <QString>
#include <QStringList>

namespace tidewell::design {

// The font files to register, in order: every "ttf" or "otf" file in
// root/Fonts, then every one at root itself (each list sorted by name, a
// missing folder counting as empty), keeping only names that begin with
// "Inter" (case-sensitive).
QStringList bundledFontFiles(const QString& root);

// Registers bundledFontFiles(root) one by one; a file that fails to
// register is skipped silently. Returns the files tried.
QStringList registerBundledFonts(const QString& root);
// The same over resourceRoot().
QStringList registerBundledFonts();

}  // namespace tidewell::design
