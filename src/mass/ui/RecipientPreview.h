#pragma once

#include "mass/RecipientEntry.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPlainTextEdit;

// The message the selected entry gets, placeholders filled, with its own
// character and SMS count.
class RecipientPreview : public QWidget {
    Q_OBJECT
public:
    explicit RecipientPreview(QWidget* parent = nullptr);

    void setMessage(const QString& text, bool longSms);
    void setEntry(const std::optional<RecipientEntry>& entry);

private:
    void refresh();

    QPlainTextEdit* m_text;
    QLabel* m_count;
    QString m_message;
    bool m_longSms = false;
    std::optional<RecipientEntry> m_entry;
};
