#include "shown_table.h"

#include "config/language_table.h"
#include "editor/EditorContext.h"
#include "editor/FMain.h"
#include "search/FTable.h"
#include "search/SearchCommands.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

// The default settings file lives in the UI library's resources, which a
// static library does not register by itself.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace cuefold::bench {

ShownTable::ShownTable(const Document &doc)
{
    registerResources();
    const QString ini = mDir.filePath(QStringLiteral("cuefold.INI"));
    QFile::copy(QStringLiteral(":/cuefold.INI"), ini);
    QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
    mForm = std::make_unique<TForm1>(ini, QString());
    mForm->show();
    // The first tick loads the settings and starts an empty document; the
    // benchmark's document has to come after it.
    const auto *startTick = mForm->findChild<QTimer *>(QStringLiteral("Timer2"));
    while (startTick->isActive())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    LoadDefaultTexts();
    EditorContext &ctx = mForm->context();
    ctx.model.load([&doc](Document &d) { d = doc; });
    ctx.search->table()->show();
    ctx.model.setCurrent(1, ShowFull);
    QApplication::processEvents();
}

ShownTable::~ShownTable() = default;

TFormTable *ShownTable::table() const { return mForm->context().search->table(); }

EditorContext &ShownTable::context() const { return mForm->context(); }

} // namespace cuefold::bench
