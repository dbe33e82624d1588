#include "app/ToolbarSetup.h"

#include "ui_frmMain.h"
#include "widgets/ToolbarButton.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

namespace {

void setUp(ToolbarButton* button, const QString& caption, QStyle::StandardPixmap picture, int size = 24) {
    // The button derives its hover and disabled pictures from this one.
    button->setCaption(caption);
    button->setPicture(QApplication::style()->standardIcon(picture).pixmap(size, size));
    button->setToolTip(caption);
}

} // namespace

void setUpToolbar(Ui::frmMain& ui) {
    setUp(ui.tbSend, QStringLiteral("Senden"), QStyle::SP_ArrowForward);
    setUp(ui.tbTerminversand, QStringLiteral("Terminversand"), QStyle::SP_FileDialogDetailedView);
    setUp(ui.tbMultiSMS, QStringLiteral("MultiSMS"), QStyle::SP_FileDialogListView);
    setUp(ui.tbPhonebook, QStringLiteral("Telefonbuch"), QStyle::SP_DirHomeIcon);
    setUp(ui.tbVerlauf, QStringLiteral("Verlauf"), QStyle::SP_FileDialogContentsView);
    setUp(ui.tbHelp, QStringLiteral("Hilfe"), QStyle::SP_DialogHelpButton);
    setUp(ui.tbAdmin, QStringLiteral("Webinterface"), QStyle::SP_DriveNetIcon);
    setUp(ui.tbOptions, QString(), QStyle::SP_FileDialogInfoView);
    ui.tbOptions->setToolTip(QStringLiteral("Einstellungen"));
    setUp(ui.tbAddSignature, QStringLiteral("Neu"), QStyle::SP_FileIcon, 16);
    setUp(ui.tbEditSignature, QStringLiteral("Bearbeiten"), QStyle::SP_FileDialogContentsView, 16);
    setUp(ui.tbDeleteSignature, QStringLiteral("Löschen"), QStyle::SP_TrashIcon, 16);
    setUp(ui.tbReplaceName, QStringLiteral("Name"), QStyle::SP_ArrowRight, 16);
    setUp(ui.tbReplaceFrei1, QStringLiteral("Frei 1"), QStyle::SP_ArrowRight, 16);
    setUp(ui.tbReplaceFrei2, QStringLiteral("Frei 2"), QStyle::SP_ArrowRight, 16);
}
