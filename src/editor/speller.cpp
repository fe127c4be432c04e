#include "editor/speller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <hunspell.hxx>

namespace cuefold {

Speller::Speller() = default;
Speller::~Speller() = default;

bool Speller::open(const QString &folder, const QString &name, const QString &personalFile)
{
    mHunspell.reset();
    mAnswers.clear();
    mName = name;
    mPersonalFile = personalFile;
    const QString aff = QDir(folder).filePath(name + QStringLiteral(".aff"));
    const QString dic = QDir(folder).filePath(name + QStringLiteral(".dic"));
    if (!QFileInfo::exists(aff) || !QFileInfo::exists(dic))
        return false;
    mHunspell = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
    if (mHunspell->get_dict_encoding() != "UTF-8") {
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
        it = mAnswers.insert(word, mHunspell->spell(word.toStdString()));
    return *it;
}

QStringList Speller::suggestions(const QString &word) const
{
    QStringList list;
    if (mHunspell)
        for (const std::string &s : mHunspell->suggest(word.toStdString()))
            list.append(QString::fromStdString(s));
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
    for (const WordSpan &w : SpellWords(text))
        if (!known(text.mid(w.start, w.length)))
            return true;
    return false;
}

void Speller::ignore(const QString &word)
{
    mAnswers.insert(word, true);
}

bool Speller::addToPersonal(const QString &word)
{
    mAnswers.insert(word, true);
    QDir().mkpath(QFileInfo(mPersonalFile).path());
    QFile own(mPersonalFile);
    if (!own.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return own.write(word.toUtf8() + '\n') > 0;
}

} // namespace cuefold
