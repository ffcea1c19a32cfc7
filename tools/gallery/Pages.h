#pragma once
// Each page renders one group of design elements to OUTDIR/<name>.png and
// says whether the file was written.

#include <QString>

namespace tidewell::gallery {

bool palettesPage(const QString& out);
bool healthPage(const QString& out);
bool fontsPage(const QString& out);
bool logoPage(const QString& out);
bool symbolsPage(const QString& out);
bool symbolEffectsPage(const QString& out);
bool pillsPage(const QString& out);
bool sidebarPage(const QString& out);
bool chipsAndHeadersPage(const QString& out);
bool gaugesPage(const QString& out);
bool blobsPage(const QString& out);
bool ringsPage(const QString& out);
bool countUpPage(const QString& out);
bool scanButtonPage(const QString& out);
bool backdropPage(const QString& out);
bool cardsPage(const QString& out);
bool cardWindowPage(const QString& out);

}  // namespace tidewell::gallery
