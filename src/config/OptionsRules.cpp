#include "config/OptionsRules.h"

#include "config/ProxyConfig.h"
#include "config/cOptionen.h"
#include "platform/PasswordStore.h"
#include "platform/mUrlEncode.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace OptionsRules {

QString messageTitle() {
    return QStringLiteral("Velvox");
}

// --- Sender id -------------------------------------------------------------

QString onlyLettersAndDigitsText() {
    return QStringLiteral("Es sind nur Buchstaben und Zahlen erlaubt.");
}
QString senderIdTooLongText() {
    return QStringLiteral("max. 11 alphanumerische Zeichen möglich!");
}

bool isSenderIdChar(QChar c) {
    const char16_t u = c.unicode();
    return u == u'-' || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9');
}

QString keepSenderIdChars(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (isSenderIdChar(c))
            out.append(c);
    }
    return out;
}

bool isSignedNumber(const QString& text) {
    const qsizetype start = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() == start)
        return false;
    for (qsizetype i = start; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < u'0' || u > u'9')
            return false;
    }
    return true;
}

SenderIdState checkSenderId(const QString& text) {
    SenderIdState s;
    const bool number = isSignedNumber(text);
    s.maxLength = number ? kSenderIdMaxDigits : kSenderIdMaxLetters;
    if (text.size() > kSenderIdMaxLetters && !number) {
        s.acceptable = false;
        s.marked = true;
        s.warning = senderIdTooLongText();
    }
    // A number longer than the field takes (pasted) is refused the same way.
    if (number && text.size() > kSenderIdMaxDigits) {
        s.acceptable = false;
        s.marked = true;
    }
    return s;
}

// --- Send options and their cost ------------------------------------------

SendOptionStates sendOptionStates(bool senderIdChecked) {
    return SendOptionStates{senderIdChecked, !senderIdChecked, senderIdChecked};
}

CostDisplay costDisplay(bool senderId, bool longSms, bool reply) {
    int cost = 10;
    QString detail = QStringLiteral("Kosten der SMS mit den gewählten Optionen:");
    if (senderId) {
        cost = 14;
        if (longSms)
            detail = QStringLiteral("Kosten je 153 Zeichen:");
    }
    if (reply)
        cost += 1;
    return CostDisplay{cost, QString::number(cost) + QStringLiteral(" Credits"), detail};
}

// --- Company server --------------------------------------------------------

ServerStates serverStates(bool useServer, bool groupChosen, bool singleChosen) {
    ServerStates s{groupChosen, singleChosen, useServer, useServer, false};
    if (!s.useGroup && !s.useSingle)
        s.useSingle = true;
    s.groupAndKeyEnabled = useServer && s.useGroup;
    return s;
}

QString folderPromptText() {
    return QStringLiteral("Select your Windows\\System\\ directory");
}

namespace {
bool folderWritable(const QString& folder) {
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
#else
    return QFileInfo(folder).isWritable();
#endif
}
} // namespace

QString serverFolderProblem(const QString& folder) {
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    if (!info.exists() || !info.isDir())
        return QStringLiteral("Der Ordner \"") + shown + QStringLiteral("\" ist nicht vorhanden.");
    // Asked of the system, which knows read-only mounts and ACLs: nothing is
    // written into the share for it (the company server watches the folder).
    if (!folderWritable(folder))
        return QStringLiteral("In den Ordner \"") + shown +
               QStringLiteral("\" kann nicht geschrieben werden.");
    return {};
}

// --- Proxy -----------------------------------------------------------------

QString accessTypeText(ProxyChoice choice) {
    switch (choice) {
    case ProxyChoice::NoProxy:
        return QStringLiteral("1");
    case ProxyChoice::Custom:
        return QStringLiteral("2");
    case ProxyChoice::SystemDefault:
        break;
    }
    return QStringLiteral("0");
}

ProxyChoice proxyChoiceFromSettings(bool custom, bool systemDefault, bool noProxy) {
    // Option buttons: each one set unsets the others, so the last set one stays.
    if (noProxy)
        return ProxyChoice::NoProxy;
    if (systemDefault)
        return ProxyChoice::SystemDefault;
    if (custom)
        return ProxyChoice::Custom;
    return ProxyChoice::SystemDefault;
}

bool proxyTextsEnabled(ProxyChoice choice) {
    return choice == ProxyChoice::Custom;
}

QString hostPlaceholder() {
    return QStringLiteral("Proxy");
}
QString portPlaceholder() {
    return QStringLiteral("Port");
}
QString proxyNoteText() {
    return QStringLiteral("Die Einstellungen werden beim nächsten Start aktiv");
}

QString portProblem(const QString& port) {
    if (port.isEmpty() || !isSignedNumber(port) || port.startsWith(QLatin1Char('-')))
        return QStringLiteral("Der Port muss eine Zahl sein");
    bool ok = false;
    const int n = port.size() <= 5 ? port.toInt(&ok) : 0;
    if (!ok || n < 1 || n > 65535)
        return QStringLiteral("Der Port muss eine Zahl zwischen 1 und 65535 sein");
    return {};
}

// --- Service pages ---------------------------------------------------------

QString colourText(int red, int green, int blue) {
    auto hex = [](int v) { return QStringLiteral("%1").arg(v & 0xFF, 2, 16, QLatin1Char('0')).toUpper(); };
    return hex(red) + hex(green) + hex(blue);
}

namespace {
QString pageAddress(const QString& endpoint, const QString& passwordKey, const QString& email,
                    const QString& password, const QString& colour) {
    return endpoint + QStringLiteral("?email=") + mUrlEncode::encodeQueryValue(email) + QLatin1Char('&') +
           passwordKey + QLatin1Char('=') + mUrlEncode::urlEncode(password, false) +
           QStringLiteral("&backcolor=") + colour;
}
} // namespace

QString buyCreditsAddress(const QString& endpoint, const QString& email, const QString& password,
                          const QString& colour) {
    return pageAddress(endpoint, QStringLiteral("passwort"), email, password, colour);
}

QString editCronAddress(const QString& endpoint, const QString& email, const QString& password,
                        const QString& colour) {
    return pageAddress(endpoint, QStringLiteral("kennwort"), email, password, colour);
}

bool isCloseLink(const QString& target) {
    return target.contains(QStringLiteral("close://"));
}

// --- Load and apply ----------------------------------------------------------

OptionsForm formFromSettings(const cOptionen& o) {
    OptionsForm f;
    f.email = o.Username;
    f.password = o.kennwort;
    f.senderId = o.Absenderkennung;
    f.useSenderId = o.isAbsenderkennung;
    f.longSms = o.isLongSmsEnabled;
    // A sender id excludes the reply, as the check box rule does on load.
    f.reply = o.isAntwortEnabled && !o.isAbsenderkennung;
    f.push = o.isPushEnabled;
    f.controlEmail = o.isControlEmail;
    f.journalKeepDays = o.journalKeepDays;
    f.parallelTransfers = o.parallelTransfers;

    f.useServer = o.xmlIsServerUsed;
    // Two option buttons: the own account, set after the group one, wins a
    // tie, and neither set chooses it too.
    f.groupBooking = o.xmlGroupUser && !o.xmlSingleUser;
    f.singleBooking = !f.groupBooking;
    f.serverUser = o.xmlUser;
    f.serverGroup = o.xmlGroup;
    f.serverKey = o.xmlSecretKey;
    f.serverFolder = o.XmlPfad;

    f.proxyChoice = proxyChoiceFromSettings(o.ProxyOptionCustom, o.ProxyOptionDefault, o.ProxyOptionNoProxy);
    if (!o.ProxyAddress.isEmpty()) {
        f.proxyHost = o.ProxyAddress;
        f.proxyPort = o.ProxyPort;
    }

    f.outlookProfile = o.OutlookProfil;
    f.contactFolderName = o.ContactFolderName;
    f.contactStoreId = o.ContactStoreID;
    f.contactEntryId = o.ContactEntryID;
    return f;
}

namespace {

void copyFields(const OptionsForm& f, cOptionen& o) {
    o.Username = f.email;
    o.kennwort = f.password;
    o.Absenderkennung = f.senderId;
    o.isAbsenderkennung = f.useSenderId;
    o.isLongSmsEnabled = f.longSms;
    o.isAntwortEnabled = f.reply;
    o.isPushEnabled = f.push;
    o.isControlEmail = f.controlEmail;
    o.journalKeepDays = f.journalKeepDays;
    o.parallelTransfers = std::clamp(f.parallelTransfers, cOptionen::kMinParallel, cOptionen::kMaxParallel);
    o.ContactEntryID = f.contactEntryId;
    o.ContactStoreID = f.contactStoreId;
    o.ContactFolderName = f.contactFolderName;
    o.OutlookProfil = f.outlookProfile;
    o.xmlGroup = f.serverGroup;
    o.xmlUser = f.serverUser;
    o.XmlPfad = f.serverFolder;
    o.xmlSecretKey = f.serverKey;
    o.xmlGroupUser = f.groupBooking;
    o.xmlSingleUser = f.singleBooking;
    o.xmlIsServerUsed = f.useServer;
}

void setProxyChoice(cOptionen& o, ProxyChoice choice) {
    o.ProxyOptionCustom = choice == ProxyChoice::Custom;
    o.ProxyOptionDefault = choice == ProxyChoice::SystemDefault;
    o.ProxyOptionNoProxy = choice == ProxyChoice::NoProxy;
    o.ProxyAccessType = accessTypeText(choice);
}

// The proxy part of an apply: the failure, or the host and port to store.
ApplyResult applyProxy(const OptionsForm& f, cOptionen& o) {
    const QString host = f.proxyHost.trimmed();
    const QString port = f.proxyPort.trimmed();
    if (f.proxyChoice == ProxyChoice::Custom) {
        if (host.isEmpty())
            return {ApplyFailure::ProxyHost, QStringLiteral("Sie müssen einen Proxy-Server eingeben")};
        if (port.isEmpty())
            return {ApplyFailure::ProxyPort, QStringLiteral("Sie müssen eine Portnummer eingeben")};
        if (const QString problem = portProblem(port); !problem.isEmpty())
            return {ApplyFailure::ProxyPort, problem};
    }
    if (host.isEmpty()) {
        o.ProxyAddress.clear();
        o.ProxyPort.clear();
    } else if (portProblem(port).isEmpty()) {
        o.ProxyAddress = host;
        o.ProxyPort = port;
    }
    // Otherwise the texts are greyed out and unused: the stored pair stays.
    setProxyChoice(o, f.proxyChoice);
    return {};
}

} // namespace

ApplyResult applyOptions(const OptionsForm& f, cOptionen& o) {
    if (!checkSenderId(f.senderId).acceptable)
        return {ApplyFailure::SenderId, {}};
    // The folder is looked at only when this apply changes where the files go:
    // a share that is offline for now must not keep a new password or proxy
    // from being saved.
    QString folderProblem;
    if (f.useServer && !f.serverFolder.isEmpty() &&
        (f.serverFolder != o.XmlPfad || f.useServer != o.xmlIsServerUsed))
        folderProblem = serverFolderProblem(f.serverFolder);
    const QString keptFolder = o.XmlPfad;
    const bool keptUse = o.xmlIsServerUsed;
    copyFields(f, o);
    if (!folderProblem.isEmpty()) {
        o.XmlPfad = keptFolder;
        o.xmlIsServerUsed = keptUse;
    }
    ApplyResult result = applyProxy(f, o);
    if (!result.ok())
        setProxyChoice(o, ProxyChoice::SystemDefault);
    o.save();
    ProxyConfig::reconfigureAll();
    if (result.ok() && !folderProblem.isEmpty())
        result = {ApplyFailure::ServerFolder, folderProblem};
    return result;
}

QString passwordStorageNote() {
    if (PasswordStore::usable())
        return {};
    return QStringLiteral("Kein Schlüsselbund verfügbar: Das Kennwort wird in der Einstellungsdatei gespeichert.");
}

} // namespace OptionsRules
