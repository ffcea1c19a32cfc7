#pragma once
// Which links start a Smart Scan: those whose host is exactly "scan", in
// any scheme (the free-space widget opens "tidewellmac://scan"). The host is
// compared as written: "tidewellmac://SCAN" names another host and is
// ignored, as is a link without a host ("tidewellmac:scan").

#include <QString>
#include <optional>

namespace tidewell::app {

// The host of link as written (case kept, no percent-decoding): the text
// between "scheme://" and the next "/", "?" or "#", without a "user@" part
// or a ":port". None when link has no scheme, no "//" authority, or the
// authority names no host.
std::optional<QString> linkHost(const QString& link);

bool isScanLink(const QString& link);

}  // namespace tidewell::app
