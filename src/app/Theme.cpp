#include "app/Theme.h"

#include "widgets/HeaderArea.h"
#include "config/Colours.h"
#include "config/Product.h"
#include "config/iniHandler.h"
#include "widgets/ColourPalette.h"
#include "ui_frmMain.h"

#include <QPixmap>

namespace {

QColor profileColour(const QString& key, const char* fallback) {
    const QString text = readIniValue(profilePath(), QStringLiteral("Colors"), key, QString::fromLatin1(fallback));
    const auto parsed = Colours::parse(text);
    return parsed ? toQColor(*parsed) : QColor();
}

void setRole(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    if (!colour.isValid())
        return;
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

void setBackground(QWidget* w, const QColor& colour) {
    if (!colour.isValid())
        return;
    w->setAutoFillBackground(true);
    setRole(w, QPalette::Window, colour);
    setRole(w, QPalette::Button, colour);
}

} // namespace

void applyTheme(QWidget* window, Ui::frmMain& ui, HeaderArea& header) {
    window->setWindowTitle(Product::productName());
    if (profileExists()) {
        const QString headerImage = readIniValue(profilePath(), QStringLiteral("Images"), QStringLiteral("Header"));
        if (!headerImage.isEmpty()) {
            const QPixmap pixmap(profileFile(headerImage));
            if (!pixmap.isNull())
                ui.picHeader->setPixmap(pixmap);
        }
        setRole(ui.lblHeaderTitle, QPalette::WindowText, profileColour(QStringLiteral("Header"), "-2147483643"));
        setRole(ui.lblHeaderText, QPalette::WindowText, profileColour(QStringLiteral("HeaderInfo"), "-2147483643"));

        const QColor background = profileColour(QStringLiteral("Background"), "-2147483633");
        for (QWidget* w : {static_cast<QWidget*>(ui.centralwidget), static_cast<QWidget*>(ui.chkPrivat),
                           static_cast<QWidget*>(ui.chkPublic), static_cast<QWidget*>(ui.boxSignaturen),
                           static_cast<QWidget*>(ui.boxPlatzhalter), static_cast<QWidget*>(ui.boxVariablesToolbar),
                           static_cast<QWidget*>(ui.lblUpdate), static_cast<QWidget*>(ui.picUpdate)})
            setBackground(w, background);
        setBackground(window, background);
        if (background.isValid()) {
            const QList<QWidget*> buttons = {ui.tbSend, ui.tbTerminversand, ui.tbAdmin, ui.tbHelp, ui.tbMultiSMS, ui.tbOptions,
                                     ui.tbPhonebook, ui.tbAddSignature, ui.tbDeleteSignature, ui.tbEditSignature,
                                     ui.tbReplaceFrei1, ui.tbReplaceFrei2, ui.tbReplaceName};
            for (QWidget* b : buttons)
                b->setProperty("ThemedBackColor", background);
        }

        ui.lblCopyright->setText(QStringLiteral("© ") + readIniValue(profilePath(), QStringLiteral("Strings"),
                                                                    QStringLiteral("Copyright"),
                                                                    Product::defaultCopyright()));
        const bool hide = readIniValue(profilePath(), QStringLiteral("Common"), QStringLiteral("HideHeaderStrings"),
                                       QStringLiteral("false")) == QLatin1String("true");
        ui.lblHeaderTitle->setHidden(hide);
        ui.lblHeaderText->setHidden(hide);
    }
    header.resetHeader();
}
