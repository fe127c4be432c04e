#include "shown_table.h"

#include "bench_settings.h"
#include "config/language_table.h"
#include "editor/EditorContext.h"
#include "editor/FMain.h"
#include "search/FTable.h"
#include "search/SearchCommands.h"

#include <QApplication>
#include <QTimer>

namespace cuefold::bench {

ShownTable::ShownTable(const Document &doc)
{
    mForm = std::make_unique<TForm1>(WriteBenchSettings(mDir), QString());
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
