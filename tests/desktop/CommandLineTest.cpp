// "--help" and "--version" of the program itself: they print and end without
// a window. The program is started with a window system it cannot reach, so
// making its GUI would end it with an error instead.

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct Call {
    const char* args;
    const char* expected; // in standard output
};

class CommandLine : public ::testing::TestWithParam<Call> {};

TEST_P(CommandLine, PrintsAndEndsWithoutAWindow) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VELVOX_BINARY), QString::fromLatin1(GetParam().args).split(QLatin1Char(' ')));
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().constData();
    EXPECT_TRUE(out.contains(QString::fromUtf8(GetParam().expected))) << out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLine,
    ::testing::Values(Call{"--version", "velvox 3.0.99\n"}, Call{"-v", "velvox 3.0.99\n"},
                      Call{"--help", "--version"}, Call{"--help-all", "--help"}, Call{"-h", "SMS über den Web-SMS-Dienst"},
                      // Options of the window system beside ours are not in the way.
                      Call{"-platform offscreen --version", "velvox 3.0.99\n"},
                      Call{"-reverse --help", "--help"}));

// Without the display the GUI start fails: the cases above would notice one.
TEST(CommandLineGuard, AStartWithoutOptionsNeedsTheWindowSystem) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("HOME"), QStringLiteral("/nonexistent"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VELVOX_BINARY), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_FALSE(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0);
}

} // namespace
