#include "platform/ui/FileDialogs.h"

#include "platform/Prompts.h"
#include "platform/ui/WidgetPrompts.h"

#include <QDir>
#include <QFileDialog>

namespace {

// A start folder that does not exist here (the rules name "C:\") falls back
// to the user's home folder.
QString startFolder(const QVariantMap& args) {
    const QString start = args.value(QStringLiteral("start")).toString();
    return !start.isEmpty() && QDir(start).exists() ? start : QDir::homePath();
}

} // namespace

void registerFileDialogs() {
    WidgetPrompts& prompts = WidgetPrompts::instance();
    prompts.registerDialog(QString::fromLatin1(Prompts::Dialog::OpenFile),
                           [](QWidget* parent, const QVariantMap& args) -> QVariant {
                               // The chosen file and its folder must exist: the dialog's default.
                               return QFileDialog::getOpenFileName(
                                   parent, args.value(QStringLiteral("title")).toString(), startFolder(args),
                                   args.value(QStringLiteral("filter")).toString());
                           });
    prompts.registerDialog(QString::fromLatin1(Prompts::Dialog::SaveFile),
                           [](QWidget* parent, const QVariantMap& args) -> QVariant {
                               const QString name = args.value(QStringLiteral("name")).toString();
                               const QString start = startFolder(args);
                               // The caller completes the name and asks about overwriting itself.
                               return QFileDialog::getSaveFileName(
                                   parent, args.value(QStringLiteral("title")).toString(),
                                   name.isEmpty() ? start : QDir(start).filePath(name),
                                   args.value(QStringLiteral("filter")).toString(), nullptr,
                                   QFileDialog::DontConfirmOverwrite);
                           });
}
