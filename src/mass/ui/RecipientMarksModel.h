#pragma once

#include <QIdentityProxyModel>

// The recipient list as the window shows it: a number that is no valid
// mobile number is marked light red, its tool tip says which it is; an entry
// whose filled message needs more SMS than the counters show for the list has
// its name marked, the tool tip saying how many.
class RecipientMarksModel : public QIdentityProxyModel {
    Q_OBJECT
public:
    explicit RecipientMarksModel(QObject* parent = nullptr);

    // The message of the main window and the SMS per recipient its counters show.
    void setMessage(const QString& text, bool longSms, int listSms);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QString m_text;
    bool m_longSms = false;
    int m_listSms = 1;
};
