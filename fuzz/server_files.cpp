// The company-server request files: for any values, both files the writer
// drops read back as XML without an error, with the values given wherever
// the file format can hold them.
#include "FuzzSupport.h"

#include "platform/CodePage.h"
#include "server/xmlServer.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// Values other than the text are written unescaped, so only values without
// markup and control characters can be held by the file.
QString holdable(QString v) {
    v.removeIf([](QChar c) {
        return c == u'<' || c == u'>' || c == u'&' || (c.unicode() < 0x20 && c != u'\t') || c.isSurrogate();
    });
    return v;
}

// What a reader gets back: the code page's bytes read as the declared
// ISO-8859-1, and the line ends an XML reader normalises.
QString readBack(const QString& v) {
    QString s = QString::fromLatin1(CodePage::toWindows1252(v));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    return s;
}

QString expectedText(QString text) {
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'; });
    text.replace(QChar(0x20AC), u'E');
    return readBack(text);
}

QHash<QString, QString> readElements(const QString& path, QString* error) {
    QHash<QString, QString> values;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return values;
    }
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            const QString name = xml.name().toString();
            if (name != QLatin1String("SMS") && name != QLatin1String("application"))
                values.insert(name, xml.readElementText());
        }
    }
    if (xml.hasError())
        *error = xml.errorString() + QStringLiteral(" at line ") + QString::number(xml.lineNumber());
    return values;
}

void checkFile(const xmlServer::HandoverResult& r, const QHash<QString, QString>& expected) {
    fuzz::require(r.ok, "a request file was not written", r.error);
    QString error;
    const QHash<QString, QString> got = readElements(r.file, &error);
    QFile::remove(r.file);
    fuzz::require(error.isEmpty(), "a request file is no well-formed XML", error);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        fuzz::require(got.value(it.key()) == it.value(), "a value does not read back",
                      it.key() + QStringLiteral(": '") + it.value() + QStringLiteral("' read as '") +
                          got.value(it.key()) + u'\'');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Eight NUL-separated values; the text comes last and takes the rest.
    const QList<QByteArray> parts = fuzz::bytes(data, size).split('\0');
    QStringList v;
    for (int i = 0; i < 8; ++i)
        v.append(i < parts.size() ? QString::fromUtf8(parts[i]) : QString());
    if (parts.size() > 8)
        v[7] = QString::fromUtf8(fuzz::bytes(data, size).split('\0').mid(7).join('\0'));
    const QString text = v[7];
    for (int i = 0; i < 7; ++i)
        v[i] = holdable(v[i]);

    qputenv("TEMP", QFile::encodeName(folder().path()));
    const QString dropFolder = QDir(folder().path()).filePath(QStringLiteral("drop"));
    QDir().mkpath(dropFolder);

    const xmlServer::AccountRequest account{v[0], v[1], v[2], v[3], v[4], text, v[5], v[6]};
    checkFile(xmlServer::writeAccountRequest(account, dropFolder),
              {{QStringLiteral("login"), readBack(v[0])},
               {QStringLiteral("password"), readBack(v[1])},
               {QStringLiteral("user"), readBack(v[2])},
               {QStringLiteral("to"), readBack(v[3])},
               {QStringLiteral("from"), readBack(v[4])},
               {QStringLiteral("text"), expectedText(text)},
               {QStringLiteral("name"), readBack(v[5])},
               {QStringLiteral("version"), readBack(v[6])}});

    const xmlServer::GroupRequest group{v[0], v[2], v[3], v[4], text, v[5], v[6], v[1]};
    checkFile(xmlServer::writeGroupRequest(group, dropFolder),
              {{QStringLiteral("group"), readBack(v[0])},
               {QStringLiteral("user"), readBack(v[2])},
               {QStringLiteral("to"), readBack(v[3])},
               {QStringLiteral("from"), readBack(v[4])},
               {QStringLiteral("text"), expectedText(text)},
               {QStringLiteral("name"), readBack(v[5])},
               {QStringLiteral("version"), readBack(v[6])},
               {QStringLiteral("hash"), xmlServer::requestHash(group)}});
    fuzz::require(QDir(dropFolder).isEmpty() && QDir(folder().path()).entryList(QDir::Files).isEmpty(),
                  "a request file or temp copy was left behind");
    return 0;
}
