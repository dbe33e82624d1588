#include "config/ui/OptionsOpening.h"

#include "config/ui/frmOptionen.h"

#include <QPointer>

OptionsEvents& OptionsEvents::instance() {
    static OptionsEvents events;
    return events;
}

namespace {

QPointer<frmOptionen>& shown() {
    static QPointer<frmOptionen> dialog;
    return dialog;
}

void prepare(frmOptionen& d) {
    shown() = &d;
    emit OptionsEvents::instance().opening(&d);
    d.load();
}

void enter(frmOptionen& d, int page, bool moveHighlight) {
    if (page != frmOptionen::Kontodaten)
        d.showPage(page);
    if (moveHighlight)
        d.highlightEntry(page);
}

// The open dialog, brought to the front on the page; false when none is open.
bool toFront(int page, bool moveHighlight) {
    frmOptionen* d = shown();
    if (!d)
        return false;
    d->showPage(page);
    if (moveHighlight)
        d->highlightEntry(page);
    d->raise();
    d->activateWindow();
    return true;
}

void openModal(QWidget* owner, int page, bool moveHighlight) {
    if (toFront(page, moveHighlight))
        return;
    frmOptionen dialog(owner);
    prepare(dialog);
    enter(dialog, page, moveHighlight);
    dialog.exec();
}

} // namespace

frmOptionen* openOptionsDialog() {
    return shown();
}

void showOptions(QWidget* owner) {
    openModal(owner, frmOptionen::Kontodaten, false);
}

void showBuyCredits(QWidget* owner) {
    openModal(owner, frmOptionen::Credits, false);
}

void showOptionTerminversand(QWidget* owner) {
    openModal(owner, frmOptionen::Terminversand, true);
}

void showOptionen(QWidget* owner) {
    if (toFront(frmOptionen::Versandoptionen, false))
        return;
    auto* dialog = new frmOptionen(owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    prepare(*dialog);
    enter(*dialog, frmOptionen::Versandoptionen, false);
    dialog->show();
}
