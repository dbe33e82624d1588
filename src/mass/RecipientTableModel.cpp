#include "mass/RecipientTableModel.h"

RecipientTableModel::RecipientTableModel(RecipientList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list) {
    m_list.setObserver(this);
}

RecipientTableModel::~RecipientTableModel() {
    m_list.setObserver(nullptr);
}

int RecipientTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_list.count();
}

int RecipientTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecipientTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_list.count())
        return {};
    const RecipientEntry& e = m_list.at(index.row());
    if (role == TagRole)
        return e.tag;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case NameColumn:
        return e.name;
    case NumberColumn:
        return e.number;
    case Frei1Column:
        return e.frei1;
    case Frei2Column:
        return e.frei2;
    default:
        return {};
    }
}

QVariant RecipientTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return QStringLiteral("Name");
    case NumberColumn:
        return QStringLiteral("Nummer");
    case Frei1Column:
        return QStringLiteral("Freitext1");
    case Frei2Column:
        return QStringLiteral("Freitext2");
    default:
        return {};
    }
}

void RecipientTableModel::listAboutToReset() {
    beginResetModel();
}
void RecipientTableModel::listReset() {
    endResetModel();
}
void RecipientTableModel::rowAboutToBeAppended(int row) {
    beginInsertRows({}, row, row);
}
void RecipientTableModel::rowAppended() {
    endInsertRows();
}
void RecipientTableModel::rowAboutToBeRemoved(int row) {
    beginRemoveRows({}, row, row);
}
void RecipientTableModel::rowRemoved() {
    endRemoveRows();
}

void RecipientTableModel::rowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}
