#include "mass/ui/frmMultiSMSLog.h"

#include "messaging/SendRules.h"

#include "ui_frmMultiSMSLog.h"

#include <QCloseEvent>
#include <QTextCursor>

namespace {

constexpr int kFlushIntervalMs = 50;

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
    m_flush.setSingleShot(true);
    m_flush.setInterval(kFlushIntervalMs);
    connect(&m_flush, &QTimer::timeout, this, &frmMultiSMSLog::flush);
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
    m_pendingLines.clear();
    m_statusPending = false;
    m_pendingProgress = -1;
    m_flush.stop();
    if (!m_placed && parentWidget()) {
        // The first time over the middle of the main window; later where the user left it.
        m_placed = true;
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - rect().center());
    }
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

void frmMultiSMSLog::finishRun(const QString& status) {
    flush();
    m_ui->pBar->setValue(m_ui->pBar->maximum());
    m_ui->cmdClose->setText(closeCaption());
    m_ui->lblSend->setText(status.isEmpty() ? SendRules::massFinishedText() : status);
    setAnimation(false);
    m_running = false;
}

void frmMultiSMSLog::setAnimation(bool on) {
    // A busy bar while messages go out, an empty one when they are done.
    m_ui->ani->setRange(0, on ? 0 : 1);
    m_ui->ani->setValue(0);
}

void frmMultiSMSLog::addLine(const QString& line) {
    m_pendingLines.append(line);
    scheduleFlush();
}

void frmMultiSMSLog::setStatus(const QString& text) {
    m_pendingStatus = text;
    m_statusPending = true;
    scheduleFlush();
}

void frmMultiSMSLog::setProgress(int value) {
    m_pendingProgress = value;
    scheduleFlush();
}

void frmMultiSMSLog::scheduleFlush() {
    if (!m_flush.isActive())
        m_flush.start();
}

void frmMultiSMSLog::flush() {
    m_flush.stop();
    if (!m_pendingLines.isEmpty()) {
        // Newest first: the lines of this batch go in front in reverse order,
        // in one insertion at the start of the document.
        QString batch;
        for (auto it = m_pendingLines.crbegin(); it != m_pendingLines.crend(); ++it)
            batch += asBlocks(*it);
        m_pendingLines.clear();
        QTextCursor cursor(m_ui->txtLog->document());
        cursor.movePosition(QTextCursor::Start);
        cursor.insertText(batch);
    }
    if (m_statusPending) {
        m_ui->lblSend->setText(m_pendingStatus);
        m_statusPending = false;
    }
    if (m_pendingProgress >= 0) {
        m_ui->pBar->setValue(m_pendingProgress);
        m_pendingProgress = -1;
    }
}

QString frmMultiSMSLog::logText() {
    flush();
    QString text = m_ui->txtLog->toPlainText();
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text;
}

void frmMultiSMSLog::onCloseClicked() {
    if (m_ui->cmdClose->text() == abortCaption())
        cancel();
    else
        hide();
}

void frmMultiSMSLog::cancel() {
    flush();
    m_cancelSend = true;
    QTextCursor cursor(m_ui->txtLog->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\n") + cancelLine());
    emit cancelRequested();
}

void frmMultiSMSLog::closeEvent(QCloseEvent* event) {
    // Closing the window while messages go out stops the run.
    if (m_running && !m_cancelSend)
        cancel();
    event->accept();
}
