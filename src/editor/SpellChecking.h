#pragma once

#include "editor/speller.h"

#include <QObject>
#include <future>
#include <memory>

namespace cuefold {

// The program's one speller, shared by the text field and Find. Opening a
// dictionary takes Hunspell a second or more, so it is opened in the
// background, and only once something asks for it: the start of the program
// never waits for it.
class SpellChecking : public QObject {
    Q_OBJECT

public:
    explicit SpellChecking(QObject *parent);
    ~SpellChecking() override;

    // Follows the settings and the program's language; a dictionary other
    // than the one in use replaces it (opened when next needed).
    void configure();
    // Starts opening the dictionary unless it is open or opening.
    void prepare();
    // The open speller; nullptr while it is still opening, and without a
    // dictionary (none chosen, or none found).
    const Speller *ready() const { return mSpeller.get(); }
    // As ready(), waiting for a dictionary still opening under a wait cursor.
    const Speller *wait();

    void ignore(const QString &word);
    // 0, or the I/O error code that kept the word from the personal file.
    int addToPersonal(const QString &word);
    const QString &personalFile() const { return mPersonalFile; }

signals:
    // The answers may differ: a dictionary was opened or dropped, or a word
    // became known.
    void changed();

private:
    void takeOpened();

    QString mFolder, mName, mPersonalFile;
    bool mPrepared = false;
    std::unique_ptr<Speller> mSpeller;
    std::future<std::unique_ptr<Speller>> mOpening;
};

} // namespace cuefold
