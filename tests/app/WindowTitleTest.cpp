#include <QHash>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// An X server of its own on a free display, for as long as the test runs.
class OwnXServer {
public:
    OwnXServer() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            return;
        // -displayfd: the server picks a free display and writes its number.
        m_process.start(QStringLiteral("Xvfb"),
                        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                         QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                         QStringLiteral("tcp")});
        QByteArray out;
        while (!out.contains('\n') && m_process.waitForReadyRead(10000))
            out += m_process.readAllStandardOutput();
        bool ok = false;
        const int number = out.trimmed().toInt(&ok);
        if (ok)
            m_display = QStringLiteral(":%1").arg(number);
    }
    ~OwnXServer() {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    QString display() const { return m_display; }

private:
    QProcess m_process;
    QString m_display;
};

} // namespace

// The title bar shows exactly the window's own title: nothing appends the
// product name to it.
TEST(WindowTitles, WindowSystemGetsExactlyTheWindowTitle) {
    if (QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
        GTEST_SKIP() << "xprop is not installed";
    OwnXServer x;
    if (x.display().isEmpty())
        GTEST_SKIP() << "no X server could be started";

    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), x.display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(VELVOX_TITLE_PROBE), {});
    ASSERT_TRUE(probe.waitForFinished(60000));
    ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();

    QHash<QString, QString> titles;
    for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            titles.insert(QString::fromUtf8(line.left(tab)), QString::fromUtf8(line.mid(tab + 1)));
    }
    EXPECT_EQ(titles.value(QStringLiteral("frmLogin")), QStringLiteral("Kennwort eingeben"));
    EXPECT_EQ(titles.value(QStringLiteral("frmMinimizeNotice")), QStringLiteral("Velvox Hinweis"));
    EXPECT_EQ(titles.value(QStringLiteral("frmMain")), QStringLiteral("Velvox"));
}
