#include "editor/SpellField.h"

#include "config/document_texts.h"
#include "config/language_table.h"
#include "document/io_error.h"
#include "document/code_page.h"
#include "editor/MessageBox.h"
#include "editor/SpellChecking.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTextCharFormat>
#include <memory>

namespace cuefold {

namespace {

// More would push the field's own items off a small screen.
constexpr int MostSuggestions = 8;

} // namespace

SpellField::SpellField(QLineEdit *edit, SpellChecking &spelling, std::function<void()> store)
    : QObject(edit)
    , mEdit(edit)
    , mSpelling(spelling)
    , mStore(std::move(store))
{
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, &SpellField::underline);
    // The dictionary is opened once the user starts writing.
    connect(edit, &QLineEdit::textEdited, &spelling, &SpellChecking::prepare);
    connect(&spelling, &SpellChecking::changed, this, &SpellField::underline);
}

// A line edit draws extra formats only as those of an input method's text:
// an event with no text to insert sets them and changes nothing else, so
// neither the text nor the field's own undo notice it.
void SpellField::underline()
{
    const Speller *speller = mSpelling.ready();
    mUnderlined = speller ? speller->unknownWords(mEdit->text()) : QList<WordSpan>();
    QTextCharFormat wavy;
    wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    wavy.setUnderlineColor(Qt::red);
    QList<QInputMethodEvent::Attribute> formats;
    const qsizetype cursor = mEdit->cursorPosition();
    for (const WordSpan &w : mUnderlined)
        formats.append({QInputMethodEvent::TextFormat, int(w.start - cursor), int(w.length), wavy});
    QInputMethodEvent event(QString(), formats);
    QApplication::sendEvent(mEdit, &event);
}

bool SpellField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mEdit && event->type() == QEvent::FocusIn
        && static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
        mSpelling.prepare();
    if (watched != mEdit || event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    const auto *menu = static_cast<QContextMenuEvent *>(event);
    // From the keyboard the word is the one at the cursor.
    const int position =
        menu->reason() == QContextMenuEvent::Keyboard ? mEdit->cursorPosition() : mEdit->cursorPositionAt(menu->pos());
    showMenu(position, menu->globalPos());
    return true;
}

void SpellField::showMenu(int position, const QPoint &globalAt)
{
    mSpelling.prepare();
    const std::unique_ptr<QMenu> menu(mEdit->createStandardContextMenu());
    for (const WordSpan &w : mUnderlined)
        if (position >= w.start && position <= w.start + w.length) {
            addWordActions(menu.get(), w);
            break;
        }
    menu->exec(globalAt);
}

void SpellField::addWordActions(QMenu *menu, const WordSpan &word)
{
    const QString text = mEdit->text().mid(word.start, word.length);
    QAction *first = menu->actions().value(0);
    QStringList suggestions = mSpelling.ready()->suggestions(text);
    if (suggestions.size() > MostSuggestions)
        suggestions.resize(MostSuggestions);
    for (const QString &suggestion : suggestions) {
        auto *choose = new QAction(suggestion, menu);
        connect(choose, &QAction::triggered, this, [this, word, suggestion] {
            mEdit->setSelection(int(word.start), int(word.length));
            mEdit->insert(suggestion);
            mStore();
        });
        menu->insertAction(first, choose);
    }
    if (suggestions.isEmpty()) {
        auto *none = new QAction(Unicode(Texts.SpellNoSuggestions), menu);
        none->setEnabled(false);
        menu->insertAction(first, none);
    }
    menu->insertSeparator(first);
    auto *add = new QAction(Unicode(Texts.SpellAddWord), menu);
    connect(add, &QAction::triggered, this, [this, text] {
        if (const int code = mSpelling.addToPersonal(text); code != NoIOError)
            ShowMessage(mEdit->window(),
                        Unicode(IOErrorText(code, Texts.IOError)) + QLatin1Char('\r') + mSpelling.personalFile(),
                        Unicode(Texts.Error), MsgIcon::Stop);
    });
    auto *ignore = new QAction(Unicode(Texts.SpellIgnoreWord), menu);
    connect(ignore, &QAction::triggered, this, [this, text] { mSpelling.ignore(text); });
    menu->insertActions(first, QList<QAction *>{add, ignore});
    menu->insertSeparator(first);
}

} // namespace cuefold
