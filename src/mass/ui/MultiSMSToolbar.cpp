#include "mass/ui/MultiSMSToolbar.h"

#include <QAction>
#include <QLayout>
#include <QStyle>
#include <QToolBar>

namespace {

QAction* addAction(QToolBar* bar, const char* key, const QString& caption, QStyle::StandardPixmap icon,
                   const QString& toolTip = {}) {
    QAction* a = bar->addAction(bar->style()->standardIcon(icon), caption);
    a->setObjectName(QString::fromLatin1(key));
    if (!toolTip.isEmpty())
        a->setToolTip(toolTip);
    return a;
}

QToolBar* barIn(QWidget* box, const char* name) {
    auto* bar = new QToolBar(box);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setFloatable(false);
    bar->setMovable(false);
    box->layout()->addWidget(bar);
    return bar;
}

} // namespace

MultiSMSActions setUpMultiSMSBars(QWidget* toolbarBox, QWidget* editBarBox) {
    MultiSMSActions a;
    QToolBar* tools = barIn(toolbarBox, "tbrMultiSMS");
    a.newList = addAction(tools, "new", QStringLiteral("Neu"), QStyle::SP_FileIcon,
                          QStringLiteral("Erstellt eine neue Datendatei."));
    a.open = addAction(tools, "open", QStringLiteral("Öffnen"), QStyle::SP_DialogOpenButton,
                       QStringLiteral("Öffnet eine bereits vorhandene Datendatei."));
    a.openWeb = addAction(tools, "openWeb", QStringLiteral("Gruppe"), QStyle::SP_DriveNetIcon,
                          QStringLiteral("Öffnet eine Gruppe aus dem Internet Telefonbuch."));
    a.save = addAction(tools, "save", QStringLiteral("Speichern"), QStyle::SP_DialogSaveButton,
                       QStringLiteral("Speichert die aktuelle Datendatei."));
    a.import = addAction(tools, "import", QStringLiteral("Importieren"), QStyle::SP_ArrowDown,
                         QStringLiteral("Importiert Empfänger aus einer CSV- oder vCard-Datei."));
    a.exportList = addAction(tools, "export", QStringLiteral("Exportieren"), QStyle::SP_ArrowUp,
                             QStringLiteral("Exportiert die Liste als CSV-Datei."));

    QToolBar* edit = barIn(editBarBox, "tbrEdit");
    a.add = addAction(edit, "add", QStringLiteral("Hinzufügen"), QStyle::SP_FileDialogNewFolder);
    a.ok = addAction(edit, "ok", QStringLiteral("Übernehmen"), QStyle::SP_DialogApplyButton);
    a.remove = addAction(edit, "delete", QStringLiteral("Löschen"), QStyle::SP_TrashIcon);
    a.ok->setVisible(false);
    return a;
}
