#include "mass/ui/RecipientMarksModel.h"

#include "mass/MessagePreview.h"
#include "mass/PhoneNumbers.h"
#include "mass/RecipientTableModel.h"

#include <QColor>

namespace {

// Light red as every faulty field; light yellow for a message longer than counted.
const QColor kFaulty(255, 192, 192);
const QColor kLonger(255, 236, 160);

RecipientEntry entryAt(const QModelIndex& index) {
    const QAbstractItemModel* m = index.model();
    const auto cell = [&](int column) { return m->index(index.row(), column).data().toString(); };
    return RecipientEntry{cell(RecipientTableModel::NameColumn), cell(RecipientTableModel::NumberColumn),
                          cell(RecipientTableModel::Frei1Column), cell(RecipientTableModel::Frei2Column), 0};
}

} // namespace

RecipientMarksModel::RecipientMarksModel(QObject* parent) : QIdentityProxyModel(parent) {}

void RecipientMarksModel::setMessage(const QString& text, bool longSms, int listSms) {
    if (text == m_text && longSms == m_longSms && listSms == m_listSms)
        return;
    m_text = text;
    m_longSms = longSms;
    m_listSms = listSms;
    if (rowCount() > 0)
        emit dataChanged(index(0, RecipientTableModel::NameColumn),
                         index(rowCount() - 1, RecipientTableModel::NameColumn),
                         {Qt::BackgroundRole, Qt::ToolTipRole});
}

QVariant RecipientMarksModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::BackgroundRole && role != Qt::ToolTipRole))
        return QIdentityProxyModel::data(index, role);
    if (index.column() == RecipientTableModel::NumberColumn) {
        const QString number = QIdentityProxyModel::data(index, Qt::DisplayRole).toString();
        const PhoneNumbers::Kind kind = PhoneNumbers::classify(number);
        if (PhoneNumbers::isMobile(kind))
            return QIdentityProxyModel::data(index, role);
        if (role == Qt::BackgroundRole)
            return kFaulty;
        return QString(number + u'\n' + PhoneNumbers::problemText(kind));
    }
    if (index.column() == RecipientTableModel::NameColumn && !m_text.isEmpty()) {
        const MessagePreview::Preview p = MessagePreview::forEntry(m_text, entryAt(index), m_longSms);
        if (p.sms > m_listSms) {
            if (role == Qt::BackgroundRole)
                return kLonger;
            return QString(
                QIdentityProxyModel::data(index, Qt::DisplayRole).toString() + u'\n' +
                QStringLiteral("Die Nachricht an diesen Empfänger braucht %1 SMS, gezählt sind %2.")
                    .arg(p.sms)
                    .arg(m_listSms));
        }
    }
    return QIdentityProxyModel::data(index, role);
}
