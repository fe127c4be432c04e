#pragma once

#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/FMain.h"
#include "editor/FileCommands.h"
#include "editor/StatusPanels.h"
#include "editor/TitleCommands.h"
#include "player/PlayerController.h"
#include "search/SearchCommands.h"
#include "editor/FileDialogs.h"
#include "editor/MessageBox.h"
#include "operations/FOperations.h"
#include "search/FProperties.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace cuefold::testing {

inline QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

inline QString U(const QByteArray &bytes) { return QString::fromLatin1(bytes); }

// A main window on the offscreen platform with its own settings file, every
// message box and file dialog answered by script, the modal properties
// window closed as soon as it opens, and no spelling dictionary.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(mDir.isValid());
        mIni = mDir.filePath(QStringLiteral("cuefold.INI"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(CUEFOLD_DEFAULT_INI), mIni));
        QFile::setPermissions(mIni, QFile::ReadOwner | QFile::WriteOwner);
        // The subtitle filter's folder stays inside the test's own folder,
        // and the language is chosen: the shipped file asks a new user first.
        QByteArray ini = ReadAll(mIni);
        ini.replace("SubPath=\r\n", "SubPath=" + filterFolder().toLocal8Bit() + "\r\n");
        ini.replace("[Language]\r\nPreferred=\r\n", "[Language]\r\nPreferred=\xC8" "esky\r\n");
        // Opening a dictionary takes a second or more; only the spelling tests need one.
        ini.replace("\r\nDictionary=\r\n", "\r\nDictionary=none\r\n");
        // Frames a test sets from the movie stay where it set them: the
        // tests of snapping to shot changes turn it on.
        ini.replace("SnapToShots=1\r\n", "SnapToShots=0\r\n");
        WriteAll(mIni, ini);
        SetMessageHandler([this](const MessageRequest &r) {
            messages.push_back(r);
            if (answers.empty())
                return r.defaultButton;
            const MsgResult a = answers.front();
            answers.pop_front();
            return a;
        });
        SetFileDialogHandler([this](const FileDialogRequest &r) {
            dialogs.push_back(r);
            if (fileAnswers.empty())
                return QString();
            const QString a = fileAnswers.front();
            fileAnswers.pop_front();
            return a;
        });
        mCloser = new QTimer;
        QObject::connect(mCloser, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *props = qobject_cast<TFormFileProperties *>(modal)) {
                propertiesShown.push_back(props->label("LabelLines")->text());
                props->okButton()->click();
            } else if (modal && onModal) {
                const auto hook = onModal; // a hook may replace itself while it runs
                hook(modal);
            }
        });
        mCloser->start(10);
    }

    void TearDown() override
    {
        if (form) {
            form->context().model.reset(); // leave without questions
            answers = {MsgResult::Yes, MsgResult::Yes};
            form->close();
            form.reset();
        }
        delete mCloser;
        SetMessageHandler({});
        SetFileDialogHandler({});
    }

    QString path(const char *name) const { return mDir.filePath(QString::fromLatin1(name)); }
    QString filterFolder() const { return mDir.filePath(QStringLiteral("filter")); }

    // Starts the window, optionally with a file on the command line, and
    // waits for the start-up work to finish.
    void start(const QString &file = QString())
    {
        form = std::make_unique<TForm1>(mIni, file);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->context().doc().isLoaded(); }, 5000));
        if (!file.isEmpty()) {
            ASSERT_TRUE(QTest::qWaitFor([this] { return !propertiesShown.empty() || !messages.empty(); }, 5000));
        }
        QApplication::processEvents();
        // Key events and focus need the window active, not just shown.
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void startWith(const QByteArray &contents, const char *name = "film.sub")
    {
        WriteAll(path(name), contents);
        start(path(name));
    }

    const Document &doc() { return form->context().doc(); }
    // Prepares the document as a command would: through the model.
    template<typename Change>
    void changeDoc(Change &&change) { form->context().model.change(change); }
    CurrentSubtitlePanel &panel() { return form->context().panel; }
    // A control of the main window by the object name the program gives it.
    template<typename W>
    W *ctl(const char *name) const
    {
        W *w = form->findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Runs a command as its menu item or shortcut would.
    void trigger(CommandId id) { form->commands().action(id)->trigger(); }

    // Answers every modal window of type W with `answer`, run again on each
    // tick for as long as the window stays open: a key a busy machine lost
    // is sent again instead of leaving the window open for ever. So `answer`
    // must do the same whether it runs for the first time or once more.
    template<typename W>
    void answerModal(std::function<void(W *)> answer)
    {
        onModal = [answer](QWidget *modal) {
            if (auto *window = qobject_cast<W *>(modal))
                answer(window);
        };
    }

    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        // The offscreen platform gives the focus back to no window once a
        // modal dialog has closed; a desktop gives it to the main window.
        if (!QApplication::activeWindow())
            QApplication::setActiveWindow(form.get());
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key(k), mods);
    }
    // The number dialog answered with `typed` over its whole text, Enter
    // pressed twice.
    void typeIntoOperations(const QString &typed)
    {
        answerModal<TFormOperations>([typed](TFormOperations *ops) {
            // Focus moves only inside the active window: make it the dialog,
            // so the first Enter really hands the focus to the button.
            QApplication::setActiveWindow(ops);
            auto *edit = ops->findChild<QLineEdit *>(QStringLiteral("EditFrames"));
            edit->selectAll();
            typeText(edit, typed);
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClick(ops->findChild<QPushButton *>(QStringLiteral("ButtonOperationsDoThis")), Qt::Key_Return);
        });
    }
    // Types into a panel field after giving it the focus, then leaves it.
    void typeInto(QLineEdit *edit, const QString &text, bool leave = true)
    {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        for (qsizetype n = edit->text().size(); n > 0; --n)
            QTest::keyClick(edit, Qt::Key_Backspace);
        typeText(edit, text);
        if (leave)
            QTest::keyClick(edit, Qt::Key_Return);
    }

    // Key events for every character, accented letters included.
    static void typeText(QWidget *w, const QString &text)
    {
        for (QChar ch : text) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(w, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }

    QTemporaryDir mDir;
    QString mIni;
    QTimer *mCloser = nullptr;
    std::unique_ptr<TForm1> form;
    std::vector<MessageRequest> messages;
    std::deque<MsgResult> answers;
    std::vector<FileDialogRequest> dialogs;
    std::deque<QString> fileAnswers;
    std::vector<QString> propertiesShown;
    std::function<void(QWidget *)> onModal;
};

} // namespace cuefold::testing
