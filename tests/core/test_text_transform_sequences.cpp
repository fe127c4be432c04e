// Random sequences of the row-break and dialogue commands never lose a word.
#include "document/code_page.h"
#include "editor/dialogue_dashes.h"
#include "editor/line_breaks.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace cuefold;

namespace {

// The text with every break, blank and dialogue dash taken out, in capitals
// (dialogue rows start with one): what a reader would still have to read.
QByteArray Letters(QByteArray text)
{
    for (char c : {'|', ' ', '-'})
        text.replace(c, QByteArray());
    return CodePage::upper(text);
}

QByteArray RandomText(QRandomGenerator &rng)
{
    static const QByteArray words[] = {"Ahoj", "sv\xECte,", "kde", "jsi?", "-Tady.", "no!", "|", "a", "\xE8" "as:", "x"};
    QByteArray text;
    const int count = rng.bounded(0, 9);
    for (int i = 0; i < count; ++i) {
        if (i)
            text += rng.bounded(4) == 0 ? "|" : " ";
        text += words[rng.bounded(int(std::size(words)))];
    }
    return text;
}

TEST(TextTransformSequences, WordsSurviveAnyOrderOfCommands)
{
    QByteArray (*const commands[])(const QByteArray &) = {
        MoveBreakLeft, MoveBreakRight, MoveSecondBreakLeft, MoveSecondBreakRight, RemoveBreaks, RemoveDialogueDashes,
    };
    for (quint32 seed = 1; seed <= 3000; ++seed) {
        QRandomGenerator rng(seed);
        QByteArray text = RandomText(rng);
        const QByteArray letters = Letters(text);
        for (int step = 0; step < 25; ++step) {
            const int pick = rng.bounded(int(std::size(commands)) + 1);
            if (pick == int(std::size(commands))) {
                const DialogueEdit edit = AddDialogueDashes(text);
                text = edit.Text;
            } else {
                text = commands[pick](text);
            }
            // Punctuation and letters keep their order; dialogue dashes may
            // come and go, nothing else does.
            ASSERT_EQ(Letters(text), letters) << "seed " << seed << " step " << step << " text " << text.constData();
        }
    }
}

} // namespace
