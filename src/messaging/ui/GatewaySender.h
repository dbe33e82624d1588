#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class HeaderArea;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QWidget;
class SmsTextEdit;
class Transfer;
struct SendContext;

// The main window's sending component: turns one text for one recipient into
// gateway requests (or company-server files), and handles the gateway's reply
// and the send time-out.
class GatewaySender : public QObject {
    Q_OBJECT
public:
    struct Fields {
        QWidget* window;
        SmsTextEdit* text;
        QComboBox* name;
        QLineEdit* number;
        QFrame* reuseBox;
        QLabel* reuseLabel;
        QCheckBox* privat;
        QCheckBox* publicBook;
    };

    GatewaySender(const Fields& fields, SendContext& context, HeaderArea& header, QObject* parent = nullptr);

    Transfer& iNet() { return *m_iNet; }
    QTimer& tm() { return m_tm; }

    // Sends one text to one recipient, split into as many requests as needed.
    // Returns how many requests (or hand-overs) were started.
    int sendText(const QString& recipient, const QString& text, const QString& name);
    // One request for one part; false when nothing was started.
    bool submitMessage(const QString& recipient, const QString& text, const QString& name);

    // Where the replies of a mass run go: one line, newest first.
    void setMassLog(std::function<void(const QString& line)> log) { m_massLog = std::move(log); }
    // Called after each hand-over to the company server.
    void setReportHandover(std::function<void()> report) { m_reportHandover = std::move(report); }

    static QString timeoutText();

signals:
    // A single send's reply is in; the balance it changed can be fetched.
    void singleReplyHandled();

private:
    void onStateChanged(int state);
    void onTimeout();
    void handleReply(const QString& response);
    void setBusy(bool busy);

    Fields m_f;
    SendContext& m_context;
    HeaderArea& m_header;
    Transfer* m_iNet;
    QTimer m_tm;
    std::function<void(const QString&)> m_massLog;
    std::function<void()> m_reportHandover;
};
