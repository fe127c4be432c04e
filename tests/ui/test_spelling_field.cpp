// Spelling in the panel's text field and in Find, with the Czech dictionary.
#include "gui_support.h"

#include "config/ConfigCommands.h"
#include "config/FOptions.h"
#include "document/code_page.h"
#include "editor/SpellChecking.h"
#include "editor/SpellField.h"
#include "search/FFind.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QRadioButton>
#include <QStandardPaths>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class SpellingFieldTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        QByteArray ini = ReadAll(mIni);
        ini.replace("\r\nDictionary=none\r\n", "\r\nDictionary=\r\n"); // by the language: Czech
        WriteAll(mIni, ini);
        startWith("{1}{1}25\r\n{100}{149}Dobr\xFD d\xE9n, pane.\r\n{150}{174}Konec.\r\n"
                  "{200}{249}Nev\xEDm, kde je Frodo.\r\n");
    }
    QLineEdit *field() const { return ctl<QLineEdit>("EditSubtitle"); }
    QStringList underlined() const
    {
        QStringList words;
        for (const WordSpan &w : field()->findChild<SpellField *>()->underlined())
            words.append(field()->text().mid(w.start, w.length));
        return words;
    }
    // Whether the field draws any reddish pixel inside its frame (which turns
    // red for a changed subtitle): the underline is red, the text black.
    bool drawsRed() const
    {
        const QImage picture = field()->grab().toImage();
        for (int y = 3; y < picture.height() - 3; ++y)
            for (int x = 3; x < picture.width() - 3; ++x)
                if (const QColor c = picture.pixelColor(x, y); c.red() - c.green() > 50 && c.red() - c.blue() > 50)
                    return true;
        return false;
    }
    // Puts the cursor at `position` with the arrow keys, opens the context
    // menu as the menu key does (the platform sends the event) and picks the
    // item with text `item` by arrow keys and Enter. Returns the menu's items.
    QStringList pick(int position, const QString &item)
    {
        QTest::keyClick(field(), Qt::Key_Home);
        for (int n = 0; n < position; ++n)
            QTest::keyClick(field(), Qt::Key_Right);
        QStringList items;
        QTimer picker;
        QObject::connect(&picker, &QTimer::timeout, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu || !items.isEmpty())
                return;
            for (QAction *a : menu->actions())
                if (!a->isSeparator() && a->isEnabled())
                    items.append(a->text());
            for (qsizetype n = items.indexOf(item); n >= 0; --n)
                QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, items.contains(item) ? Qt::Key_Return : Qt::Key_Escape);
        });
        picker.start(10);
        const QPoint at = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, at, field()->mapToGlobal(at));
        QApplication::sendEvent(field(), &menuKey);
        return items;
    }
};

TEST_F(SpellingFieldTest, UnknownWordUnderlinedAndReplacedBySuggestionAsOneStep)
{
    panel().ShowLine(2, ShowFull);
    // The dictionary opens once the user writes in the field.
    EXPECT_EQ(panel().spelling().ready(), nullptr);
    field()->setFocus();
    QTest::keyClick(field(), Qt::Key_End);
    QTest::keyClick(field(), ' ');
    QTest::keyClick(field(), Qt::Key_Backspace);
    ASSERT_TRUE(QTest::qWaitFor([this] { return panel().spelling().ready() != nullptr; }, 60000));
    EXPECT_EQ(underlined(), QStringList{QString::fromUtf8("dén")});
    EXPECT_TRUE(drawsRed());

    const QStringList items = pick(7, QStringLiteral("den"));
    EXPECT_TRUE(items.contains(Unicode(Texts.SpellAddWord)));
    EXPECT_EQ(field()->text(), QString::fromUtf8("Dobrý den, pane."));
    EXPECT_EQ(doc().line(2).Text, QByteArray("Dobr\xFD den, pane."));
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
    EXPECT_TRUE(underlined().isEmpty());
    EXPECT_FALSE(drawsRed());

    trigger(CommandId::MenuEditUndoCommand);
    EXPECT_EQ(doc().line(2).Text, QByteArray("Dobr\xFD d\xE9n, pane."));
}

TEST_F(SpellingFieldTest, OwnWordsKeptAndFindStepsThroughUnknownWords)
{
    panel().ShowLine(4, ShowFull);
    panel().spelling().wait();
    EXPECT_EQ(underlined(), QStringList{QStringLiteral("Frodo")});
    field()->setFocus();
    pick(16, Unicode(Texts.SpellAddWord));
    EXPECT_TRUE(underlined().isEmpty());
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                        + QStringLiteral("/cuefold/words-cs_CZ.txt");
    EXPECT_EQ(ReadAll(own), QByteArray("Frodo\n"));

    panel().ShowLine(1, ShowFull);
    answerModal<TFormFindWhat>([](TFormFindWhat *find) {
        find->findChild<QRadioButton *>(QStringLiteral("RadioGroupFindWhat11"))->click();
        QTest::keyClick(find, Qt::Key_Return);
    });
    key(Qt::Key_F7);
    EXPECT_EQ(doc().CurrentLine, 2);
    key(Qt::Key_F3);
    EXPECT_EQ(doc().CurrentLine, 2);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text, Unicode(Texts.FindSpellingDone));
}

TEST_F(SpellingFieldTest, FirstSearchWaitsUnderAWaitCursorAndAWordThatCannotBeKeptIsReported)
{
    panel().ShowLine(1, ShowFull);
    ASSERT_EQ(panel().spelling().ready(), nullptr);
    std::vector<Qt::CursorShape> cursors;
    QObject::connect(&panel().spelling(), &SpellChecking::changed, [&] {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        cursors.push_back(cursor ? cursor->shape() : Qt::ArrowCursor);
    });
    answerModal<TFormFindWhat>([](TFormFindWhat *find) {
        find->findChild<QRadioButton *>(QStringLiteral("RadioGroupFindWhat11"))->click();
        QTest::keyClick(find, Qt::Key_Return);
    });
    key(Qt::Key_F7);
    EXPECT_EQ(cursors, std::vector<Qt::CursorShape>{Qt::WaitCursor});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(doc().CurrentLine, 2);

    // A folder stands where the own words would be kept.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                        + QStringLiteral("/cuefold/words-cs_CZ.txt");
    ASSERT_TRUE(QDir().mkpath(own));
    panel().ShowLine(4, ShowFull);
    field()->setFocus();
    messages.clear();
    pick(16, Unicode(Texts.SpellAddWord));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.endsWith(own));
    EXPECT_EQ(messages[0].caption, Unicode(Texts.Error));
    EXPECT_EQ(messages[0].owner, form.get());
    EXPECT_TRUE(underlined().isEmpty()); // known for the rest of the session
}

TEST_F(SpellingFieldTest, SettingsWindowListsTheFoldersDictionariesAndSaveSwitchesToTheChosenOne)
{
    panel().ShowLine(2, ShowFull);
    panel().spelling().wait();
    EXPECT_EQ(underlined(), QStringList{QString::fromUtf8("dén")});

    trigger(CommandId::MenuFileOptions);
    TFormOptions *options = form->context().config->options();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
    auto *list = options->findChild<QComboBox *>(QStringLiteral("ComboBoxDictionary"));
    QByteArrayList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->itemData(i).toByteArray());
    EXPECT_EQ(names.first(), QByteArray()); // by the language, then the folder's, then none
    EXPECT_TRUE(names.contains("cs_CZ") && names.contains("en_US"));
    EXPECT_EQ(names.last(), QByteArray("none"));
    EXPECT_EQ(options->findChild<QLineEdit *>(QStringLiteral("EditDictionaryFolder"))->text(),
              QStringLiteral("/usr/share/hunspell"));
    list->setCurrentIndex(list->findData(QByteArray("en_US")));
    QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("ButtonSave")), Qt::LeftButton);

    EXPECT_TRUE(ReadAll(mIni).contains("\r\nDictionary=en_US\r\n"));
    panel().spelling().wait();
    EXPECT_TRUE(underlined().contains(QString::fromUtf8("Dobrý"))); // English does not know Czech

    // A stored name the folder lacks stays chosen, so Save keeps it.
    Settings.Spelling.Dictionary = "xx_XX";
    trigger(CommandId::MenuFileOptions);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
    EXPECT_EQ(list->currentData().toByteArray(), QByteArray("xx_XX"));
    options->reject();
}

} // namespace
