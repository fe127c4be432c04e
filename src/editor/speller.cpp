#include "editor/speller.h"

#include "document/io_error.h"
#include "document/reader.h"
#include "document/safe_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <algorithm>
#include <hunspell.h>

namespace cuefold {

namespace {

// Hunspell's C functions, taken from the library when the first dictionary
// is opened; null members when it cannot be loaded.
struct HunspellLibrary {
    decltype(&Hunspell_create) create = nullptr;
    decltype(&Hunspell_destroy) destroy = nullptr;
    decltype(&Hunspell_spell) spell = nullptr;
    decltype(&Hunspell_get_dic_encoding) encoding = nullptr;
    decltype(&Hunspell_suggest) suggest = nullptr;
    decltype(&Hunspell_free_list) freeList = nullptr;

    bool loaded() const { return create && destroy && spell && encoding && suggest && freeList; }
};

const HunspellLibrary &Library()
{
    static const HunspellLibrary library = [] {
        QLibrary file(QStringLiteral("hunspell-1.7"), 0);
        HunspellLibrary l;
        l.create = reinterpret_cast<decltype(l.create)>(file.resolve("Hunspell_create"));
        l.destroy = reinterpret_cast<decltype(l.destroy)>(file.resolve("Hunspell_destroy"));
        l.spell = reinterpret_cast<decltype(l.spell)>(file.resolve("Hunspell_spell"));
        l.encoding = reinterpret_cast<decltype(l.encoding)>(file.resolve("Hunspell_get_dic_encoding"));
        l.suggest = reinterpret_cast<decltype(l.suggest)>(file.resolve("Hunspell_suggest"));
        l.freeList = reinterpret_cast<decltype(l.freeList)>(file.resolve("Hunspell_free_list"));
        return l;
    }();
    return library;
}

} // namespace

void Speller::Closer::operator()(Hunhandle *handle) const
{
    Library().destroy(handle);
}

Speller::Speller() = default;
Speller::~Speller() = default;

bool Speller::open(const QString &folder, const QString &name, const QString &personalFile)
{
    mHunspell.reset();
    mAnswers.clear();
    mPersonalFile = personalFile;
    const QString aff = QDir(folder).filePath(name + QStringLiteral(".aff"));
    const QString dic = QDir(folder).filePath(name + QStringLiteral(".dic"));
    const HunspellLibrary &library = Library();
    if (!library.loaded() || !QFileInfo::exists(aff) || !QFileInfo::exists(dic))
        return false;
    mHunspell.reset(library.create(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData()));
    if (!mHunspell || qstrcmp(library.encoding(mHunspell.get()), "UTF-8") != 0) {
        mHunspell.reset();
        return false;
    }
    QFile own(personalFile);
    if (own.open(QIODevice::ReadOnly))
        for (const QByteArray &line : own.readAll().split('\n'))
            if (const QString word = QString::fromUtf8(line).trimmed(); !word.isEmpty())
                mAnswers.insert(word, true);
    return true;
}

bool Speller::known(const QString &word) const
{
    if (!mHunspell)
        return true;
    auto it = mAnswers.constFind(word);
    if (it == mAnswers.cend())
        it = mAnswers.insert(word, Library().spell(mHunspell.get(), word.toUtf8().constData()) != 0);
    return *it;
}

QStringList Speller::suggestions(const QString &word) const
{
    QStringList list;
    if (!mHunspell)
        return list;
    char **found = nullptr;
    const int count = Library().suggest(mHunspell.get(), &found, word.toUtf8().constData());
    for (int i = 0; i < count; ++i)
        list.append(QString::fromUtf8(found[i]));
    Library().freeList(mHunspell.get(), &found, count);
    return list;
}

QList<WordSpan> Speller::unknownWords(const QString &text) const
{
    QList<WordSpan> unknown;
    for (const WordSpan &w : SpellWords(text))
        if (!known(text.mid(w.start, w.length)))
            unknown.append(w);
    return unknown;
}

bool Speller::hasUnknownWord(const QString &text) const
{
    const QList<WordSpan> words = SpellWords(text);
    return std::any_of(words.cbegin(), words.cend(),
                       [&](const WordSpan &w) { return !known(text.mid(w.start, w.length)); });
}

void Speller::ignore(const QString &word)
{
    mAnswers.insert(word, true);
}

// The file is replaced whole, so a full disk cannot leave half a word in it.
int Speller::addToPersonal(const QString &word)
{
    mAnswers.insert(word, true);
    QDir().mkpath(QFileInfo(mPersonalFile).path());
    QByteArray words;
    QFile own(mPersonalFile);
    if (const int code = OpenForReading(own); code == NoIOError)
        words = own.readAll();
    else if (code != FileNotFoundCode)
        return code; // the words already kept are never written over unread
    if (!words.isEmpty() && !words.endsWith('\n'))
        words += '\n';
    return ReplaceFileContents(mPersonalFile, words + word.toUtf8() + '\n');
}

} // namespace cuefold
