#pragma once

#include "editor/spell_words.h"

#include <QObject>
#include <functional>

class QLineEdit;
class QMenu;

namespace cuefold {

class SpellChecking;

// Spelling in a one-line text field: the words the speller does not know are
// underlined as the text changes, and the field's context menu offers, for
// such a word under the cursor, the speller's suggestions, adding it to the
// user's dictionary and ignoring it. A chosen suggestion replaces the word
// as typing would, and `store` then keeps the field's text.
class SpellField : public QObject {
    Q_OBJECT

public:
    SpellField(QLineEdit *edit, SpellChecking &spelling, std::function<void()> store);

    // The spans underlined now.
    const QList<WordSpan> &underlined() const { return mUnderlined; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void underline();
    void showMenu(int position, const QPoint &globalAt);
    void addWordActions(QMenu *menu, const WordSpan &word);

    QLineEdit *mEdit;
    SpellChecking &mSpelling;
    std::function<void()> mStore;
    QList<WordSpan> mUnderlined;
};

} // namespace cuefold
