#pragma once

#include <QString>

class QLabel;

// The header of the main window: title, a text line with its stored default,
// and a warning and an information icon.
class HeaderArea {
public:
    HeaderArea(QLabel* text, QLabel* warningIcon, QLabel* informationIcon);

    void showHeaderWarning(const QString& text);
    void showHeaderInformation(const QString& text);
    void hideHeaderInformation();
    void resetHeader();

    QString defaultText() const { return m_defaultText; }
    QString text() const;
    bool warningShown() const;
    bool informationShown() const;

private:
    QLabel* m_text;
    QLabel* m_warning;
    QLabel* m_information;
    QString m_defaultText;
};
