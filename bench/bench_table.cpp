#include "config/language_table.h"
#include "document_generator.h"
#include "editor/EditorContext.h"
#include "editor/FMain.h"
#include "search/SearchCommands.h"
#include "search/FTable.h"
#include "search/table_model.h"

#include <QApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

using namespace cuefold;

// The default settings file lives in the UI library's resources, which a
// static library does not register by itself.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

// Counts the paints of a widget, to show that every iteration really drew
// the grid and not only filled the model.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

// Run with `make bench` (BUILD=<folder> for another build folder), or one
// benchmark: build/cuefold_bench --benchmark_filter=FillTable

// A main window past its start-up tick, holding a full document, with the
// overview window shown.
class ShownTable {
public:
    ShownTable()
    {
        registerResources();
        const QString ini = mDir.filePath(QStringLiteral("cuefold.INI"));
        QFile::copy(QStringLiteral(":/cuefold.INI"), ini);
        QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
        mForm = std::make_unique<TForm1>(ini, QString());
        mForm->show();
        // The first tick loads the settings and starts an empty document;
        // the benchmark's document has to come after it.
        const auto *startTick = mForm->findChild<QTimer *>(QStringLiteral("Timer2"));
        while (startTick->isActive())
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        mForm->context().doc() = *bench::GenerateDocument();
        LoadDefaultTexts();
        mForm->context().search->table()->show();
        QApplication::processEvents();
    }

    TFormTable *table() const { return mForm->context().search->table(); }

private:
    QTemporaryDir mDir;
    std::unique_ptr<TForm1> mForm;
};

void BM_TableModelFill(benchmark::State &state)
{
    LoadDefaultTexts();
    const auto doc = bench::GenerateDocument();
    TableModel model;
    for (auto _ : state)
        model.fill(*doc);
    state.SetItemsProcessed(state.iterations() * doc->LineCount);
}
BENCHMARK(BM_TableModelFill)->Unit(benchmark::kMillisecond);

void BM_FillTable(benchmark::State &state)
{
    ShownTable shown;
    PaintCounter counter;
    shown.table()->grid()->viewport()->installEventFilter(&counter);
    for (auto _ : state) {
        shown.table()->FillTable();
        // The reset reaches the screen through posted relayout and paint events.
        QApplication::processEvents();
    }
    state.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    shown.table()->grid()->viewport()->removeEventFilter(&counter);
}
BENCHMARK(BM_FillTable)->Unit(benchmark::kMillisecond);

} // namespace
