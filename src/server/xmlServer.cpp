#include "server/xmlServer.h"

#include "config/Product.h"
#include "config/cOptionen.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "server/CMD5.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace xmlServer {

namespace {

QString tempFailed(const QString& dir) {
    return QStringLiteral("Die Anfrage konnte nicht im temporären Verzeichnis \"%1\" angelegt werden.")
        .arg(QDir::toNativeSeparators(dir));
}

QString deliverFailed(const QString& folder) {
    return QStringLiteral("Die Anfrage konnte nicht im Verzeichnis \"%1\" abgelegt werden.").arg(folder);
}

const QString& declaration() {
    static const QString d =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"yes\" ?>\n");
    return d;
}

// One element on one line: tabs, opening tag, value, closing tag, LF.
QString element(int tabs, QStringView tag, const QString& value) {
    return QString(tabs, u'\t') % u'<' % tag % u'>' % value % u"</" % tag % u">\n";
}

QString application(const QString& name, const QString& version) {
    return QStringLiteral("\t<application>\n") % element(2, u"name", name) % element(2, u"version", version) %
           QStringLiteral("\t</application>\n");
}

// Writes all bytes in one call to a file that must not exist yet. Unbuffered,
// so a short write or a full disk shows up here and not in a silent flush.
bool writeNewFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return false;
    const bool written = f.write(bytes) == bytes.size();
    f.close();
    if (written && f.error() == QFileDevice::NoError)
        return true;
    QFile::remove(path);
    return false;
}

} // namespace

namespace {
// XML 1.0 allows no control characters but tab, LF and CR; a server's parser
// would refuse the whole request for one of them.
QString withoutForbiddenControls(const QString& text) {
    QString s = text;
    s.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'; });
    return s;
}
} // namespace

QString xmlEscapeText(const QString& text) {
    QString s = withoutForbiddenControls(text);
    s.replace(u'&', QStringLiteral("&amp;"));
    s.replace(u'<', QStringLiteral("&lt;"));
    s.replace(u'>', QStringLiteral("&gt;"));
    s.replace(QChar(0x20AC), u'E');
    return s;
}

QString requestHash(const GroupRequest& r) {
    // Over the text as the server reads it back from the file.
    QString text = withoutForbiddenControls(r.text);
    text.replace(QChar(0x20AC), u'E');
    return CMD5::MD5(r.group % r.user % r.to % r.from % text % r.name % r.version % r.secretKey);
}

QString newRequestName() {
    return FileSystem::newGuid() + QStringLiteral(".xml");
}

QString buildAccountRequestXml(const AccountRequest& r) {
    return declaration() % QStringLiteral("<SMS>\n") % element(1, u"login", r.login) %
           element(1, u"password", r.password) % element(1, u"user", r.user) % element(1, u"to", r.to) %
           element(1, u"from", r.from) % element(1, u"text", xmlEscapeText(r.text)) %
           application(r.name, r.version) % QStringLiteral("</SMS>\n");
}

QString buildGroupRequestXml(const GroupRequest& r) {
    // The hash is taken over the unescaped text.
    const QString hash = requestHash(r);
    return declaration() % QStringLiteral("<SMS>\n") % element(1, u"group", r.group) %
           element(1, u"user", r.user) % element(1, u"to", r.to) % element(1, u"from", r.from) %
           element(1, u"text", xmlEscapeText(r.text)) % application(r.name, r.version) %
           element(1, u"hash", hash) % QStringLiteral("</SMS>\n");
}

HandoverResult writeTempRequestFile(const QString& name, const QString& document) {
    const QString dir = FileSystem::tempDirectory();
    const QString path = QDir(dir).filePath(name);
    HandoverResult r;
    if (writeNewFile(path, CodePage::toWindows1252(document))) {
        r.ok = true;
        r.file = path;
    } else {
        r.error = tempFailed(dir);
    }
    return r;
}

HandoverResult deliverRequestFile(const QString& tempPath, const QString& folder) {
    HandoverResult r;
    r.error = deliverFailed(folder);
    if (!FileSystem::fileExists(tempPath))
        return r;

    // The server reacts to new "*.xml" files in the folder: the request
    // arrives as one copy of the complete temp file under its final name, with
    // no helper file or rename the server could see.
    const QString target = QDir(folder).filePath(QFileInfo(tempPath).fileName());

    QFile source(tempPath);
    const bool read = source.open(QIODevice::ReadOnly);
    const QByteArray bytes = read ? source.readAll() : QByteArray();
    const bool complete = read && source.error() == QFileDevice::NoError && bytes.size() == source.size();
    source.close();

    if (!folder.isEmpty() && complete && writeNewFile(target, bytes)) {
        r.ok = true;
        r.error.clear();
        r.file = target;
    }
    QFile::remove(tempPath);
    return r;
}

namespace {
HandoverResult drop(const QString& document, const QString& folder) {
    const HandoverResult temp = writeTempRequestFile(newRequestName(), document);
    if (!temp.ok)
        return temp;
    return deliverRequestFile(temp.file, folder);
}
} // namespace

HandoverResult writeAccountRequest(const AccountRequest& r, const QString& folder) {
    return drop(buildAccountRequestXml(r), folder);
}

HandoverResult writeGroupRequest(const GroupRequest& r, const QString& folder) {
    return drop(buildGroupRequestXml(r), folder);
}

QString toServerRecipient(const QString& recipient) {
    QString s = recipient;
    const qsizetype at = s.indexOf(QStringLiteral("00"));
    if (at >= 0)
        s.replace(at, 2, u'+');
    return s;
}

HandoverValues handoverValues(const cOptionen& o, const QString& recipient, const QString& text,
                              const QString& password) {
    HandoverValues v;
    v.xmlPfad = o.XmlPfad;
    v.singleUser = o.xmlSingleUser;
    v.groupUser = o.xmlGroupUser;
    v.login = o.Username;
    v.password = password;
    v.user = o.xmlUser;
    v.group = o.xmlGroup;
    v.secretKey = o.xmlSecretKey;
    v.recipient = recipient;
    v.from = o.Absenderkennung;
    v.text = text;
    v.name = Product::productName();
    v.version = Product::versionText();
    return v;
}

HandoverOutcome handOver(const HandoverValues& v) {
    using Kind = HandoverOutcome::Kind;
    HandoverOutcome out;
    if (v.xmlPfad.size() < 3) {
        out.kind = Kind::NoFolder;
        return out;
    }
    const QString to = toServerRecipient(v.recipient);
    HandoverResult r;
    if (v.singleUser)
        r = writeAccountRequest({v.login, v.password, v.user, to, v.from, v.text, v.name, v.version},
                                v.xmlPfad);
    else if (v.groupUser)
        r = writeGroupRequest({v.group, v.user, to, v.from, v.text, v.name, v.version, v.secretKey},
                              v.xmlPfad);
    else {
        out.kind = Kind::NoAccount;
        return out;
    }
    out.kind = r.ok ? Kind::Written : Kind::Failed;
    out.file = r.file;
    out.error = r.error;
    return out;
}

QString reportHandoverText(const QString& xmlPfad, bool singleUser, bool groupUser) {
    if (xmlPfad.size() < 3)
        return QStringLiteral("Das Verzeichnis des Velvox Server fehlt. Wählen Sie ein Verzeichnis unter "
                              "Optionen/Velvox Server aus.");
    if (singleUser)
        return QStringLiteral("Die SMS wurde unter Berücksichtigung der angegebenen Kontodaten an den Velvox "
                              "Server weitergeleitet.");
    if (groupUser)
        return QStringLiteral("Die SMS wurde unter Berücksichtigung der angegebenen Gruppendaten an den "
                              "Velvox Server weitergeleitet.");
    return QStringLiteral("Sie müssen unter Optionen/Velvox Server ein Konto auswählen");
}

} // namespace xmlServer
