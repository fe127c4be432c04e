#include "editor/SpellChecking.h"

#include "config/settings.h"
#include "config/settings_io.h"
#include "document/io_error.h"
#include "editor/spell_dictionary.h"

#include <QCursor>
#include <QGuiApplication>

#include <QStandardPaths>

namespace cuefold {

SpellChecking::SpellChecking(QObject *parent)
    : QObject(parent)
{
}

// A dictionary still opening is waited for: its thread must not outlive us.
SpellChecking::~SpellChecking() = default;

void SpellChecking::configure()
{
    const QString name = ChosenDictionary(Settings.Spelling.Dictionary, Settings.Language.Preferred);
    const QString folder = Settings.Spelling.Folder.isEmpty() ? SystemDictionaryFolder() : Settings.Spelling.Folder;
    if (name == mName && folder == mFolder)
        return;
    if (mOpening.valid())
        mOpening.wait();
    mOpening = {};
    mName = name;
    mFolder = folder;
    mPersonalFile = PersonalWordsFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), name);
    const bool wasUsed = mPrepared;
    mPrepared = false;
    mSpeller.reset();
    emit changed();
    if (wasUsed)
        prepare();
}

void SpellChecking::prepare()
{
    if (mPrepared || mName.isEmpty())
        return;
    mPrepared = true;
    mOpening = std::async(std::launch::async, [this, folder = mFolder, name = mName, own = mPersonalFile] {
        auto speller = std::make_unique<Speller>();
        if (!speller->open(folder, name, own))
            speller.reset();
        QMetaObject::invokeMethod(this, &SpellChecking::takeOpened, Qt::QueuedConnection);
        return speller;
    });
}

// The opened dictionary arrives on the window's thread; one taken already
// by wait(), or replaced by another setting, leaves nothing to take.
void SpellChecking::takeOpened()
{
    if (!mOpening.valid() || mOpening.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    mSpeller = mOpening.get();
    emit changed();
}

const Speller *SpellChecking::wait()
{
    prepare();
    if (mOpening.valid()) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        mSpeller = mOpening.get();
        emit changed();
        QGuiApplication::restoreOverrideCursor();
    }
    return mSpeller.get();
}

void SpellChecking::ignore(const QString &word)
{
    if (mSpeller) {
        mSpeller->ignore(word);
        emit changed();
    }
}

int SpellChecking::addToPersonal(const QString &word)
{
    if (!mSpeller)
        return NoIOError; // no dictionary: every word is known already
    const int code = mSpeller->addToPersonal(word);
    emit changed();
    return code;
}

} // namespace cuefold
