#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class frmMultiSMSLog;
}

// The run log of a mass send, "Ihre Nachrichten werden verschickt": progress,
// the gateway's answers (newest first) and the only way to stop the run.
// Closing the window during a run counts as a cancel.
class frmMultiSMSLog : public QWidget {
    Q_OBJECT
public:
    explicit frmMultiSMSLog(QWidget* parent = nullptr);
    ~frmMultiSMSLog() override;

    // Shown for a run: empty log, cancelSend false, "Abbrechen", animation
    // running, progress bar at its minimum with the maximum given.
    void startRun(int progressMaximum);
    // The end of a run: bar at its maximum, "Schliessen", "Vorgang
    // abgeschlossen" (or the status given), animation stopped.
    void finishRun(const QString& status = {});
    bool running() const { return m_running; }

    bool cancelSend() const { return m_cancelSend; }
    // One line at the top, as the gateway sender writes it (ending in CR LF).
    // The line goes in where it belongs; the rest of the log is not rebuilt.
    // Lines, status and progress reach the screen together a few times a
    // second: a run answers hundreds of messages a second, and drawing each
    // one cost more than sending it.
    void addLine(const QString& line);
    // The log as text, lines ended by CR LF.
    QString logText();

    void setStatus(const QString& text);
    void setProgress(int value);

    // The button: "Abbrechen" cancels, "Schliessen" hides the window.
    void onCloseClicked();

    static QString cancelLine();   // "!!!! Abbruch durch User"
    static QString abortCaption(); // "Abbrechen"
    static QString closeCaption(); // "Schliessen"

signals:
    // "Abbrechen", or the window closed during a run: once per run.
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void cancel();
    void setAnimation(bool on);
    void scheduleFlush();
    void flush();

    std::unique_ptr<Ui::frmMultiSMSLog> m_ui;
    bool m_cancelSend = false;
    bool m_running = false;
    bool m_placed = false;
    QStringList m_pendingLines; // oldest first
    QString m_pendingStatus;
    int m_pendingProgress = -1;
    bool m_statusPending = false;
    QTimer m_flush;
};
