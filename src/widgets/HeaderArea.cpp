#include "widgets/HeaderArea.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

HeaderArea::HeaderArea(QLabel* text, QLabel* warningIcon, QLabel* informationIcon)
    : m_text(text), m_warning(warningIcon), m_information(informationIcon), m_defaultText(text->text()) {
    QStyle* style = QApplication::style();
    m_warning->setPixmap(style->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    m_information->setPixmap(style->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16, 16));
    m_warning->hide();
    m_information->hide();
}

void HeaderArea::showHeaderWarning(const QString& text) {
    m_information->hide();
    m_text->setText(text);
    m_warning->show();
}

void HeaderArea::showHeaderInformation(const QString& text) {
    m_text->setText(text);
    m_information->show();
}

void HeaderArea::hideHeaderInformation() { m_information->hide(); }

void HeaderArea::resetHeader() {
    m_warning->hide();
    m_text->setText(m_defaultText);
}

QString HeaderArea::text() const { return m_text->text(); }
bool HeaderArea::warningShown() const { return !m_warning->isHidden(); }
bool HeaderArea::informationShown() const { return !m_information->isHidden(); }
