#include "platform/SaveTarget.h"

#include "platform/FileSystem.h"
#include "platform/Prompts.h"

#include <QFileInfo>

namespace SaveTarget {

QString choose(const QString& dialogTitle, const QString& suggestedName, const QString& filter,
               const QString& extension, const QString& boxTitle) {
    QString path = Prompts::dialog(QString::fromLatin1(Prompts::Dialog::SaveFile),
                                   {{QStringLiteral("title"), dialogTitle},
                                    {QStringLiteral("name"), suggestedName},
                                    {QStringLiteral("filter"), filter}})
                       .toString();
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + extension;
    if (FileSystem::fileExists(path) &&
        Prompts::show(Prompts::Icon::Question, boxTitle,
                      QStringLiteral("Die Datei existiert bereits.\r\nWollen Sie die Datei überschreiben?"),
                      Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
        return {};
    return path;
}

} // namespace SaveTarget
