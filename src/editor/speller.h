#pragma once

#include "editor/spell_words.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

struct Hunhandle;

namespace cuefold {

// A Hunspell dictionary with the user's own words and the words ignored for
// this session. Answers are remembered per word: a film repeats its words,
// and the search over a whole document asks about each only once.
class Speller {
public:
    Speller();
    ~Speller();

    // Opens dictionary `name` ("cs_CZ") from `folder` and the user's own
    // words kept in `personalFile` (one word a line, UTF-8). False, and every
    // word known, when the dictionary is missing or not in UTF-8 (as every
    // dictionary Debian ships is).
    bool open(const QString &folder, const QString &name, const QString &personalFile);

    bool known(const QString &word) const;
    QStringList suggestions(const QString &word) const;
    // The words of `text` the dictionary does not know.
    QList<WordSpan> unknownWords(const QString &text) const;
    // Whether `text` has any such word; stops at the first.
    bool hasUnknownWord(const QString &text) const;
    // Known for the rest of the session.
    void ignore(const QString &word);
    // Known from now on, kept in the personal file. 0, or the I/O error code
    // (io_error.h) that kept it from the file; the word stays known for the
    // session either way.
    int addToPersonal(const QString &word);

private:
    struct Closer {
        void operator()(Hunhandle *handle) const;
    };
    std::unique_ptr<Hunhandle, Closer> mHunspell;
    QString mPersonalFile;
    mutable QHash<QString, bool> mAnswers;
};

} // namespace cuefold
