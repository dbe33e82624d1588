#include "app/CommandLine.h"

#include "config/Product.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

bool asksForText(int argc, char** argv) {
    static const char* const names[] = {"-h", "--help", "-help", "-?", "--help-all", "-v", "--version", "-version"};
    for (int i = 1; i < argc; ++i) {
        for (const char* name : names) {
            if (qstrcmp(argv[i], name) == 0)
                return true;
        }
    }
    return false;
}

void print(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace

namespace CommandLine {

std::optional<int> handle(int argc, char** argv) {
    // The usual start passes nothing of this: no application object is made
    // for it, so the one the program makes next is its first.
    if (!asksForText(argc, argv))
        return std::nullopt;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velvox"));
    QCoreApplication::setApplicationVersion(Product::versionText());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Velvox: SMS über den Web-SMS-Dienst senden."));
    // "-platform" and the other options of the window system are not ours: a
    // single dash names one long option, so "-reverse" never reads as "-v".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(QStringLiteral("velvox ") + Product::versionText() + QLatin1Char('\n'));
        return 0;
    }
    return std::nullopt;
}

} // namespace CommandLine
