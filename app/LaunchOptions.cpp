#include "app/LaunchOptions.h"

#include <QCommandLineParser>

namespace tidewell::app {

LaunchOptions parseLaunchOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Finds disk space you can safely win back, and reclaims only what you choose."));
  // Not addHelpOption(): its --help-all promises Qt's options, which are
  // not known here.
  const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                      QStringLiteral("Displays help on commandline options."));
  parser.addOption(helpOption);
  parser.addPositionalArgument(QStringLiteral("link"),
                               QStringLiteral("A link to open, such as tidewellmac://scan."),
                               QStringLiteral("[link]"));

  LaunchOptions options;
  // Without an application object the parser cannot name the program.
  options.helpText =
      parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("tidewell-mac"));
  if (!parser.parse(arguments)) {
    options.error = parser.errorText();
    return options;
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1) {
    options.error = QStringLiteral("Unexpected argument \"%1\".").arg(positional.at(1));
    return options;
  }
  options.help = parser.isSet(helpOption);
  options.request = LaunchRequest::fromArguments(positional);
  return options;
}

}  // namespace tidewell::app
