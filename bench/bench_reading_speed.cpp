// One keystroke in the panel's text field: the field's own editing and the
// reading speed and row lengths shown anew for what it now holds.
#include "config/language_table.h"
#include "document/document_model.h"
#include "document_generator.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/SpellChecking.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <benchmark/benchmark.h>

using namespace cuefold;

namespace {

// Letters and Backspace in turn: the length, and so the shown speed, changes
// with every press.
void typeInTurn(benchmark::State &state, QLineEdit *field)
{
    field->setFocus();
    field->end(false);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    bool typeLetter = true;
    for (auto _ : state) {
        QApplication::sendEvent(field, typeLetter ? &letter : &backspace);
        typeLetter = !typeLetter;
    }
    benchmark::DoNotOptimize(field->text());
}

// Keys typed into the panel's text field over subtitle 2 of a full
// document, with the Czech dictionary opened first or not.
void TypeInPanel(benchmark::State &state, bool withDictionary)
{
    LoadDefaultTexts();
    DocumentModel model;
    model.load([](Document &d) {
        d = *bench::GenerateDocument();
        d.FPS = 25;
    });
    CurrentSubtitlePanel panel(model, nullptr);
    if (withDictionary) {
        panel.spelling().configure();
        panel.spelling().wait();
    }
    panel.show();
    panel.ShowLine(2, ShowFull);
    typeInTurn(state, panel.findChild<QLineEdit *>(QStringLiteral("EditSubtitle")));
}

void BM_ReadingSpeedPerKeystroke(benchmark::State &state)
{
    TypeInPanel(state, false);
}
BENCHMARK(BM_ReadingSpeedPerKeystroke)->Unit(benchmark::kMicrosecond);

// The same with the Czech dictionary open: the field's words are checked and
// their underlines set anew with every press as well.
void BM_SpellingPerKeystroke(benchmark::State &state)
{
    TypeInPanel(state, true);
}
BENCHMARK(BM_SpellingPerKeystroke)->Unit(benchmark::kMicrosecond);

// The same keys in a bare field with the same text: what the field's own
// editing costs, so the panel's share is the difference.
void BM_BareFieldKeystroke(benchmark::State &state)
{
    QLineEdit field;
    field.setText(QString::fromLatin1(bench::GenerateDocument()->line(2).Text));
    field.show();
    typeInTurn(state, &field);
}
BENCHMARK(BM_BareFieldKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
