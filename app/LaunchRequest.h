#pragma once
// What a launch asks of the running instance: a link to open (the
// "tidewellmac://scan" of the desktop entry's %u) or, with no link, just to
// show the window again. A second launch hands it over the single-instance
// channel as one line of text.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tidewell::app {

struct LaunchRequest {
  enum class Kind { Reopen, Link };
  Kind kind = Kind::Reopen;
  QString link;  // Link only, as given (not normalised)

  static LaunchRequest reopen() { return {}; }
  static LaunchRequest openLink(QString link) { return {Kind::Link, std::move(link)}; }

  // From the command-line arguments after the program name: the first one
  // that is not an option ("-..."), else a reopen.
  static LaunchRequest fromArguments(const QStringList& arguments);

  // One line, newline-terminated: "reopen" or "link " + the percent-encoded
  // UTF-8 text of the link.
  QByteArray encode() const;
  // A line without its newline; none for anything else.
  static std::optional<LaunchRequest> decode(const QByteArray& line);

  bool operator==(const LaunchRequest&) const = default;
};

}  // namespace tidewell::app
