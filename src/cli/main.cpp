#include "cli/InterruptPipe.h"
#include "cli/SendArguments.h"
#include "cli/SendRun.h"
#include "config/Product.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

void write(FILE* f, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
    std::fflush(f);
}

QByteArray readStdin() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velvox-send"));
    const SendArgumentsParser::Result parsed = SendArgumentsParser::parse(QCoreApplication::arguments().mid(1));
    if (!parsed.error.isEmpty()) {
        write(stderr, parsed.error + QLatin1Char('\n'));
        return ExitCode::BadInput;
    }
    const SendArguments& args = parsed.args;
    if (args.mode == SendArguments::Mode::Help) {
        write(stdout, SendArgumentsParser::helpText());
        return 0;
    }
    if (args.mode == SendArguments::Mode::Version) {
        write(stdout, QStringLiteral("velvox-send ") + Product::versionText() + QLatin1Char('\n'));
        return 0;
    }
    const bool needsStdin = args.mode == SendArguments::Mode::Send && (args.passwordStdin || !args.hasText);
    // Read before Ctrl+C is caught: until then it ends the program as usual.
    SendRun run(args, needsStdin ? readStdin() : QByteArray());
    InterruptPipe interrupts;
    QObject::connect(&interrupts, &InterruptPipe::interrupted, &run, &SendRun::interrupt);
    return run.exec();
}
