#include "mass/ui/frmMultiSMSLog.h"

#include "messaging/SendRules.h"

#include "ui_frmMultiSMSLog.h"

#include <QCloseEvent>
#include <QTextCursor>

namespace {

// The document keeps lines as blocks; the log's CR LF is what it is as text.
QString asBlocks(QString line) {
    line.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return line;
}

} // namespace

frmMultiSMSLog::frmMultiSMSLog(QWidget* parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::frmMultiSMSLog>()) {
    m_ui->setupUi(this);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmMultiSMSLog::onCloseClicked);
    // The window starts its animation when it loads.
    setAnimation(true);
}

frmMultiSMSLog::~frmMultiSMSLog() = default;

QString frmMultiSMSLog::cancelLine() {
    return QStringLiteral("!!!! Abbruch durch User");
}

QString frmMultiSMSLog::abortCaption() {
    return QStringLiteral("Abbrechen");
}

QString frmMultiSMSLog::closeCaption() {
    return QStringLiteral("Schliessen");
}

void frmMultiSMSLog::startRun(int progressMaximum) {
    show();
    raise();
    m_ui->txtLog->clear();
    m_cancelSend = false;
    m_running = true;
    m_ui->cmdClose->setText(abortCaption());
    setAnimation(true);
    m_ui->pBar->setMinimum(0);
    m_ui->pBar->setMaximum(progressMaximum);
    m_ui->pBar->setValue(m_ui->pBar->minimum());
    m_ui->lblSend->clear();
}

void frmMultiSMSLog::finishRun() {
    m_ui->pBar->setValue(m_ui->pBar->maximum());
    m_ui->cmdClose->setText(closeCaption());
    m_ui->lblSend->setText(SendRules::massFinishedText());
    setAnimation(false);
    m_running = false;
}

void frmMultiSMSLog::setAnimation(bool on) {
    // A busy bar while messages go out, an empty one when they are done.
    m_ui->ani->setRange(0, on ? 0 : 1);
    m_ui->ani->setValue(0);
}

void frmMultiSMSLog::addLine(const QString& line) {
    QTextCursor cursor(m_ui->txtLog->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(asBlocks(line));
}

QString frmMultiSMSLog::logText() const {
    QString text = m_ui->txtLog->toPlainText();
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text;
}

void frmMultiSMSLog::setStatus(const QString& text) {
    m_ui->lblSend->setText(text);
}

void frmMultiSMSLog::setProgress(int value) {
    m_ui->pBar->setValue(value);
}

void frmMultiSMSLog::onCloseClicked() {
    if (m_ui->cmdClose->text() == abortCaption())
        cancel();
    else
        hide();
}

void frmMultiSMSLog::cancel() {
    m_cancelSend = true;
    QTextCursor cursor(m_ui->txtLog->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\n") + cancelLine());
}

void frmMultiSMSLog::closeEvent(QCloseEvent* event) {
    // Closing the window while messages go out stops the run.
    if (m_running && !m_cancelSend)
        cancel();
    event->accept();
}
