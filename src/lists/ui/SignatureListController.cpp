#include "lists/ui/SignatureListController.h"

#include "widgets/SmsTextEdit.h"
#include "platform/Prompts.h"
#include "widgets/ToolbarButton.h"

#include <QAction>
#include <QIcon>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace {

// The list's picture "stift": a small pencil, drawn here.
QIcon stift() {
    static const QIcon icon = [] {
        QPixmap p(16, 16);
        p.fill(Qt::transparent);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        g.translate(8, 8);
        g.rotate(-45);
        g.setPen(QPen(QColor(0x5a, 0x3d, 0x10), 1));
        g.setBrush(QColor(0xf2, 0xb6, 0x2e));
        g.drawRect(QRectF(-4.5, -2, 9, 4));
        g.setBrush(QColor(0xe0, 0x80, 0x90));
        g.drawRect(QRectF(4.5, -2, 2, 4));
        g.setBrush(QColor(0xf4, 0xdc, 0xb0));
        const QPointF tip[] = {{-4.5, -2}, {-7.5, 0}, {-4.5, 2}};
        g.drawPolygon(tip, 3);
        return QIcon(p);
    }();
    return icon;
}

} // namespace

SignatureListController::SignatureListController(const Fields& fields, QObject* parent)
    : QObject(parent), m_f(fields) {
    m_f.list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_f.list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_f.list, &QListWidget::itemDoubleClicked, this, [this] { insertSelected(); });
    connect(m_f.list, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { popUpContextMenu(m_f.list->viewport()->mapToGlobal(pos)); });
    connect(m_f.add, &ToolbarButton::Click, this, &SignatureListController::showNew);
    connect(m_f.edit, &ToolbarButton::Click, this, &SignatureListController::showEdit);
    connect(m_f.remove, &ToolbarButton::Click, this, &SignatureListController::deleteSelected);
}

void SignatureListController::loadSignatures() {
    m_signatures.load();
    refresh(0);
}

int SignatureListController::selectedPosition() const {
    const QList<QListWidgetItem*> selected = m_f.list->selectedItems();
    return selected.isEmpty() ? 0 : m_f.list->row(selected.first()) + 1;
}

void SignatureListController::refresh(int selectPosition) {
    m_f.list->clear();
    for (const QString& text : m_signatures.texts()) {
        // One line per item: a signature's line breaks show as blanks.
        auto* item = new QListWidgetItem(
            stift(), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' '));
        item->setToolTip(text);
        m_f.list->addItem(item);
    }
    if (selectPosition >= 1 && selectPosition <= m_signatures.count())
        m_f.list->setCurrentRow(selectPosition - 1);
}

namespace {
QVariant askForText(const QString& text) {
    return Prompts::dialog(QString::fromLatin1(Prompts::Dialog::Signature), {{QStringLiteral("text"), text}});
}
} // namespace

void SignatureListController::showNew() {
    const QVariant saved = askForText(QString());
    if (!saved.isValid() || !m_signatures.add(saved.toString()))
        return;
    m_signatures.store();
    refresh(m_signatures.count());
}

void SignatureListController::showEdit() {
    const int position = selectedPosition();
    if (position == 0)
        return;
    const QVariant saved = askForText(m_signatures.at(position));
    if (!saved.isValid() || !m_signatures.edit(position, saved.toString()))
        return;
    m_signatures.store();
    refresh(position);
}

void SignatureListController::deleteSelected() {
    const int position = selectedPosition();
    if (!m_signatures.remove(position))
        return;
    m_signatures.store();
    refresh(0);
}

void SignatureListController::insertSelected() {
    const int position = selectedPosition();
    if (position == 0)
        return;
    // The field takes LF line breaks; a CR of its own would make a second one.
    m_f.message->replaceSelection(
        m_signatures.at(position).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_f.message->setFocus();
}

QMenu* SignatureListController::contextMenu() {
    if (!m_menu) {
        m_menu = new QMenu(m_f.list);
        m_menu->setObjectName(QStringLiteral("mnuSignaturen"));
        m_newAction =
            m_menu->addAction(QStringLiteral("Neue Signatur"), this, &SignatureListController::showNew);
        m_newAction->setObjectName(QStringLiteral("mnuNewSignature"));
        m_editAction = m_menu->addAction(QStringLiteral("Signatur bearbeiten"), this,
                                         &SignatureListController::showEdit);
        m_editAction->setObjectName(QStringLiteral("mnuEditSignature"));
        m_deleteAction = m_menu->addAction(QStringLiteral("Signatur löschen"), this,
                                           &SignatureListController::deleteSelected);
        m_deleteAction->setObjectName(QStringLiteral("mnuDeleteSignature"));
    }
    const bool selected = selectedPosition() != 0;
    m_editAction->setEnabled(selected);
    m_deleteAction->setEnabled(selected);
    return m_menu;
}

void SignatureListController::popUpContextMenu(const QPoint& globalPos) {
    contextMenu()->popup(globalPos);
}
