#include "gui_support.h"

#include "document/code_page.h"
#include "document/recovery_copy.h"
#include "document/writer.h"
#include "editor/RecoveryKeeper.h"
#include "config/settings.h"

#include <QDir>
#include <QProcess>
#include <csignal>
#include <iostream>
#include <string>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

// Set in a child run of this binary: the folder it works in, and what ends
// it once its recovery copy is written ("kill": the parent's SIGKILL;
// "exit": a clean exit when the parent says so).
constexpr char ChildFolderVariable[] = "CUEFOLD_TEST_RECOVERY_FOLDER";
constexpr char ChildEndVariable[] = "CUEFOLD_TEST_RECOVERY_END";
constexpr char ChildFileVariable[] = "CUEFOLD_TEST_RECOVERY_FILE";
constexpr int WaitMs = 60000;

const QByteArray Film = "{1}{1}25.000\r\n{10}{50}Jedna\r\n{60}{90}Dv\xEC\r\n";

QStringList CopiesIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.copy")}, QDir::Files);
}

class Recovery : public MainWindowFixture {
protected:
    static QString stateIn(const QString &folder) { return folder + QStringLiteral("/state"); }
    static QString recoveryIn(const QString &folder) { return stateIn(folder) + QStringLiteral("/cuefold/recovery"); }

    // A program of its own: this binary running the child test below.
    std::unique_ptr<QProcess> startChild(const char *file, const char *end)
    {
        WriteAll(path(file), Film);
        auto child = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(ChildFolderVariable), mDir.path());
        env.insert(QString::fromLatin1(ChildEndVariable), QString::fromLatin1(end));
        env.insert(QString::fromLatin1(ChildFileVariable), QString::fromLatin1(file));
        child->setProcessEnvironment(env);
        child->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=Recovery.Child")});
        return child;
    }
    // True once the child said READY; `output` gathers what it printed.
    static bool waitReady(QProcess &child, QByteArray &output)
    {
        const auto ready = [&] {
            output += child.readAllStandardOutput();
            return output.contains("READY\n");
        };
        return QTest::qWaitFor([&] { return ready() || child.state() == QProcess::NotRunning; }, WaitMs) && ready();
    }
};

// The child: opens its file, changes a frame by keys, waits for the copy of
// the changed document, says READY, then waits for its end.
TEST_F(Recovery, Child)
{
    const QString folder = qEnvironmentVariable(ChildFolderVariable);
    if (folder.isEmpty())
        GTEST_SKIP() << "run by Recovery.KilledProgramsCopyIsOfferedAndCleanExitsLeaveNone";
    qputenv("XDG_STATE_HOME", QFile::encodeName(stateIn(folder)));
    WriteAll(mIni, ReadAll(mIni).replace("AutosaveSeconds=60", "AutosaveSeconds=1"));
    const QString file = folder + QLatin1Char('/') + qEnvironmentVariable(ChildFileVariable);
    start(file);
    typeInto(ctl<QLineEdit>("EditCurrentLineIndex"), QStringLiteral("2"));
    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("12"));
    const QByteArray edited = SerializeDocument(doc(), false);
    ASSERT_NE(edited, Film);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const QString &name : CopiesIn(recoveryIn(folder))) {
                const auto record = ParseRecoveryRecord(ReadAll(recoveryIn(folder) + QLatin1Char('/') + name));
                if (record && record->path == file && record->bytes == edited)
                    return true;
            }
            return false;
        },
        WaitMs));
    WriteAll(file + QStringLiteral(".expected"), edited);
    std::cout << "READY" << std::endl;
    std::string line;
    std::getline(std::cin, line); // "kill" ends here
    answers = {MsgResult::Yes}; // discard the changes
    form->close();
    form.reset();
}

TEST_F(Recovery, KilledProgramsCopyIsOfferedAndCleanExitsLeaveNone)
{
    if (qEnvironmentVariableIsSet(ChildFolderVariable))
        GTEST_SKIP();
    const QString folder = recoveryIn(mDir.path());
    // Two programs at once, each with its own copy.
    const auto killed = startChild("killed.sub", "kill");
    const auto exiting = startChild("exiting.sub", "exit");
    QByteArray killedOutput, exitingOutput;
    ASSERT_TRUE(waitReady(*killed, killedOutput)) << killedOutput.toStdString();
    ASSERT_TRUE(waitReady(*exiting, exitingOutput)) << exitingOutput.toStdString();
    EXPECT_EQ(CopiesIn(folder).size(), 2);
    EXPECT_TRUE(OrphanedCopy::find(folder).empty()); // both programs run

    // A clean exit takes its own copy only.
    exiting->write("exit\n");
    exiting->closeWriteChannel();
    ASSERT_TRUE(exiting->waitForFinished(WaitMs));
    EXPECT_EQ(exiting->exitCode(), 0) << (exitingOutput + exiting->readAll()).toStdString();
    EXPECT_EQ(CopiesIn(folder).size(), 1);

    kill(pid_t(killed->processId()), SIGKILL);
    ASSERT_TRUE(killed->waitForFinished(WaitMs));

    // The next start offers the copy; Yes gives the edited document under
    // the original name, and F2 writes it there.
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", QFile::encodeName(stateIn(mDir.path())));
    answers = {MsgResult::Yes};
    start();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, CodePage::toUnicode("Obnovit neulo\x9E" "en\xE9 zm\xECny souboru killed.sub?"));
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *"))) << form->windowTitle().toStdString();
    EXPECT_EQ(doc().SubFileName, path("killed.sub"));
    key(Qt::Key_F2);
    EXPECT_EQ(ReadAll(path("killed.sub")), ReadAll(path("killed.sub.expected")));
    EXPECT_EQ(ReadAll(path("killed.BAK.0")), Film);
    EXPECT_TRUE(CopiesIn(folder).isEmpty());
    form->close();
    form.reset();
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty()) << QDir(folder).entryList(QDir::Files).join(' ').toStdString();
    qputenv("XDG_STATE_HOME", state);
}

TEST_F(Recovery, TheCopyGoesWhenTheChangesAreDiscardedOrTheSettingIsOff)
{
    if (qEnvironmentVariableIsSet(ChildFolderVariable))
        GTEST_SKIP();
    startWith(Film);
    const QString folder = RecoveryFolder();
    Settings.Main.AutosaveSeconds = 1;
    form->context().recovery->applySettings();
    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("5"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return CopiesIn(folder).size() == 1; }, WaitMs));
    Settings.Main.AutosaveSeconds = 0;
    form->context().recovery->applySettings();
    EXPECT_TRUE(CopiesIn(folder).isEmpty());

    Settings.Main.AutosaveSeconds = 1;
    form->context().recovery->applySettings();
    ASSERT_TRUE(QTest::qWaitFor([&] { return CopiesIn(folder).size() == 1; }, WaitMs));
    answers = {MsgResult::Yes}; // Ctrl+N: discard the changes
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(answers.size(), 0u);
    EXPECT_TRUE(CopiesIn(folder).isEmpty());
    Settings.Main.AutosaveSeconds = 60;
}

} // namespace
