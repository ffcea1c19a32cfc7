#include "widget/WidgetOptions.h"

#include <QCommandLineParser>

namespace tidewell::widget {

WidgetOptions parseWidgetOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("How much room is left, at a glance. Tap to scan."));
  // Not addHelpOption(): its --help-all promises Qt's options, which are
  // not known here.
  const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                      QStringLiteral("Displays help on commandline options."));
  parser.addOption(helpOption);
  const QCommandLineOption familyOption(QStringLiteral("family"),
                                        QStringLiteral("The widget size: small or medium."),
                                        QStringLiteral("small|medium"), QStringLiteral("small"));
  const QCommandLineOption placeholderOption(QStringLiteral("placeholder"),
                                             QStringLiteral("Show sample figures instead of measuring."));
  parser.addOption(familyOption);
  parser.addOption(placeholderOption);

  WidgetOptions options;
  // Without an application object the parser cannot name the program.
  options.helpText =
      parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("tidewell-mac-widget"));
  if (!parser.parse(arguments)) {
    options.error = parser.errorText();
    return options;
  }
  if (!parser.positionalArguments().isEmpty()) {
    options.error = QStringLiteral("Unexpected argument \"%1\".").arg(parser.positionalArguments().first());
    return options;
  }
  options.help = parser.isSet(helpOption);
  options.placeholder = parser.isSet(placeholderOption);
  const QString family = parser.value(familyOption);
  if (family == QLatin1String("medium"))
    options.family = WidgetFamily::Medium;
  else if (family != QLatin1String("small"))
    options.error = QStringLiteral("Unknown family \"%1\": use small or medium.").arg(family);
  return options;
}

}  // namespace tidewell::widget
