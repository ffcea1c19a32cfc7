#pragma once
// How a name or path taken from the disk is shown on screen: as
// base::fileNameText says (bidirectional controls and bytes that are not
// UTF-8 escaped), for the names the screens hold as text or as bytes.

#include <QString>
#include <string>

namespace tidewell::design {

QString fileNameText(const QString& name);
// The same for a name as bytes, decoded as UTF-8.
QString fileNameText(const std::string& bytes);

}  // namespace tidewell::design
