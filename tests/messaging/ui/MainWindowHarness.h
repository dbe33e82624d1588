#pragma once

#include "ScriptedPrompts.h"
#include "ScriptedServer.h"
#include "ServiceProcess.h"
#include "TempSettings.h"

#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "config/cOptionen.h"
#include "ui_frmMain.h"

#include <QTest>

#include <memory>

// A loaded main window against a running stand-in service, with settings in
// a temp directory and every prompt scripted.
class MainWindowHarness {
public:
    explicit MainWindowHarness(const QByteArray& extraProfile = {}, bool withService = true)
        : MainWindowHarness(ServiceProcess::Options{}, extraProfile, withService) {}
    MainWindowHarness(const ServiceProcess::Options& serviceOptions, const QByteArray& extraProfile = {},
                      bool withService = true) {
        frmSplash::setStepPauseMs(0);
        if (withService) {
            service = std::make_unique<ServiceProcess>(serviceOptions);
            settings.writeProfile(service->oemIni() + "\n" + extraProfile);
        } else {
            settings.writeProfile(extraProfile);
        }
        settings.reload();
        options().Username = ServiceProcess::demoEmail();
        options().kennwort = ServiceProcess::demoPassword();
        options().FirstStartHasRun = true;
        // The window tests check runs in list order, one request after the
        // other; overlapping requests have tests of their own.
        options().parallelTransfers = 1;
    }

    frmMain& load() {
        window = std::make_unique<frmMain>();
        window->load(nullptr);
        window->show();
        return *window;
    }

    Ui::frmMain& ui() { return window->ui(); }

    void enterRecipient(const QString& prefixKey, const QString& number) {
        const int index = ui().cmbVorwahl->findData(prefixKey);
        ui().cmbVorwahl->setCurrentIndex(index);
        emit ui().cmbVorwahl->activated(index);
        ui().txtNummer->setText(number);
    }
    void enterText(const QString& text) { ui().txtSMS->setPlainText(text); }
    void clickSend() { emit ui().tbSend->Click(); }

    bool waitForMessages(int n, int timeoutMs = 20000) {
        return QTest::qWaitFor([&] { return prompts.messages().size() >= n; }, timeoutMs);
    }

    qint64 messagesStored() const {
        return service->scalar(QStringLiteral("SELECT COUNT(*) FROM messages")).toLongLong();
    }

    TempSettings settings;
    ScriptedPrompts prompts;
    std::unique_ptr<ServiceProcess> service;
    std::unique_ptr<frmMain> window;
};

// A loaded main window whose gateway and balance query go to a scripted
// server (balance 5000): for reply shapes and silence, which the stand-in
// service does not produce on request.
inline std::unique_ptr<MainWindowHarness> loadOnScriptedGateway(ScriptedServer& gateway) {
    const QByteArray profile = "[URLs]\nSendSMS=" + gateway.url(QStringLiteral("/send")).toLatin1() +
                               "\nSmsCount=" + gateway.url(QStringLiteral("/count?email=")).toLatin1() + "\n";
    auto h = std::make_unique<MainWindowHarness>(profile, false);
    gateway.setReply(QStringLiteral("/count"), {"5000"});
    h->load();
    return h;
}
