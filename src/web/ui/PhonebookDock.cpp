#include "web/ui/PhonebookDock.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "config/cOptionen.h"
#include "platform/Prompts.h"
#include "web/ContactLink.h"
#include "web/ServicePages.h"
#include "widgets/WebBrowser.h"
#include "web/ui/frmPhonebook.h"
#include "widgets/FieldMark.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

PhonebookDock::PhonebookDock(const Fields& fields, QObject* parent) : QObject(parent), m_f(fields) {}

void PhonebookDock::toggle() {
    if (isOpen())
        dispose();
    else
        open();
}

void PhonebookDock::open() {
    if (isOpen())
        return;
    m_window = new frmPhonebook(m_f.mainWindow);
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_window, &frmPhonebook::closed, this, [this] {
        m_window = nullptr;
        emit openChanged(nullptr, false);
    });
    connect(&m_window->browser(), &WebBrowser::beforeNavigate, this, &PhonebookDock::beforeNavigate);
    m_window->placeBeside(m_f.mainWindow);
    m_window->show();
    emit openChanged(m_window, true);
    // The password may come from the login prompt, asked for now.
    const cOptionen& o = options();
    m_window->browser().navigate(
        ServicePages::phonebookAddress(urlStore().getPhonebook(), o.Username, getPassword()));
}

void PhonebookDock::dispose() {
    if (m_window)
        m_window->close();
}

void PhonebookDock::closeAndFocusMessage() {
    dispose();
    m_f.message->setFocus();
}

void PhonebookDock::beforeNavigate(const QString& target, bool* cancel) {
    const bool contact = ContactLink::isContactLink(target);
    if (!contact && !ContactLink::isCloseLink(target))
        return;
    *cancel = true;
    // Acted on once the browser's navigation callback has returned: a message
    // box or closing the window must not run inside it.
    QMetaObject::invokeMethod(
        this,
        [this, contact, target] {
            if (contact)
                takeContact(target);
            else
                closeAndFocusMessage();
        },
        Qt::QueuedConnection);
}

void PhonebookDock::takeContact(const QString& target) {
    const ContactLink::Resolution r = ContactLink::resolve(target);
    if (r.outcome == ContactLink::Resolution::Broken) {
        Prompts::show(Prompts::Icon::Error, Product::productName(), r.message);
        m_f.prefix->setCurrentIndex(m_f.prefix->count() > 0 ? 0 : -1);
        m_f.number->clear();
        return;
    }
    m_f.name->setEditText(r.name);
    m_f.privat->setChecked(false);
    m_f.publicBook->setChecked(false);
    m_f.privat->setEnabled(true);
    // The prefix first, so the number is checked against the new one.
    emit prefixChosen(r.prefixKey);
    markField(m_f.prefix, false);
    if (r.outcome == ContactLink::Resolution::NotMobile)
        Prompts::show(Prompts::Icon::Warning, Product::productName(), r.message);
    m_f.number->setText(r.number);
    closeAndFocusMessage();
}
