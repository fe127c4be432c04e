#include "config/rtf_reader.h"

#include <QStringDecoder>
#include <array>

namespace cuefold {

namespace {

// Groups whose content is never text. Anything behind "\*" is skipped too.
constexpr const char *SkippedDestinations[] = {
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "header", "headerl", "headerr",
    "footer", "footerl", "footerr", "listtable", "listoverridetable", "rsidtbl", "generator",
    "xmlnstbl", "themedata", "colorschememapping", "datastore", "latentstyles", "fldinst",
};

// Control symbols and words that stand for one character.
struct CharWord {
    const char *word;
    char16_t ch;
};
constexpr CharWord CharWords[] = {
    {"tab", u'\t'},        {"line", u'\u2028'},   {"bullet", u'\u2022'}, {"endash", u'\u2013'},
    {"emdash", u'\u2014'}, {"lquote", u'\u2018'}, {"rquote", u'\u2019'}, {"ldblquote", u'\u201C'},
    {"rdblquote", u'\u201D'},
};

struct GroupState {
    RtfCharFormat chars;
    RtfParagraphFormat paragraph;
    int unicodeSkip = 1; // \ucN: fallback characters after each \uN
    bool skip = false;
};

class Reader {
public:
    explicit Reader(const QByteArray &rtf)
        : mIn(rtf)
    {
        useCodePage(1252);
    }

    RtfDocument read()
    {
        mDoc.valid = mIn.startsWith("{\\rtf");
        if (!mDoc.valid)
            return mDoc;
        while (mPos < mIn.size()) {
            const char c = mIn[mPos++];
            if (c == '{') {
                mStack.push_back(mStack.isEmpty() ? GroupState{} : mStack.back());
            } else if (c == '}') {
                if (mStack.size() == 1)
                    break; // the document's own group is closed
                mStack.pop_back();
            } else if (c == '\\') {
                control();
            } else if (c != '\r' && c != '\n') {
                text(mTable[uchar(c)]);
            }
        }
        // Text after the last \par is a paragraph of its own.
        if (!mParagraph.runs.isEmpty())
            endParagraph();
        return mDoc;
    }

private:
    GroupState &state() { return mStack.back(); }

    void useCodePage(int number)
    {
        const QByteArray name = "windows-" + QByteArray::number(number);
        QStringDecoder decoder(name.constData());
        if (!decoder.isValid())
            return;
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            const QString s = decoder.decode(QByteArrayView(&c, 1));
            mTable[b] = s.size() == 1 ? s.at(0).unicode() : u'\uFFFD';
        }
    }

    void text(char16_t ch)
    {
        if (mPendingSkip > 0) {
            --mPendingSkip;
            return;
        }
        if (state().skip)
            return;
        QList<RtfRun> &runs = mParagraph.runs;
        if (runs.isEmpty() || !(runs.back().format == state().chars))
            runs.append({state().chars, QString()});
        runs.back().text += QChar(ch);
    }

    void endParagraph()
    {
        mParagraph.format = state().paragraph;
        mDoc.paragraphs.append(mParagraph);
        mParagraph = {};
    }

    void control()
    {
        if (mPos >= mIn.size())
            return;
        const char c = mIn[mPos];
        if (!isAsciiLetter(c)) {
            ++mPos;
            symbol(c);
            return;
        }
        const qsizetype start = mPos;
        while (mPos < mIn.size() && isAsciiLetter(mIn[mPos]))
            ++mPos;
        const QByteArray word = mIn.mid(start, mPos - start);
        bool hasParam = false;
        int param = 0;
        const qsizetype numberStart = mPos;
        if (mPos < mIn.size() && mIn[mPos] == '-')
            ++mPos;
        while (mPos < mIn.size() && mIn[mPos] >= '0' && mIn[mPos] <= '9')
            ++mPos;
        if (mPos > numberStart && mIn.mid(numberStart, mPos - numberStart) != "-") {
            param = mIn.mid(numberStart, mPos - numberStart).toInt();
            hasParam = true;
        } else {
            mPos = numberStart;
        }
        if (mPos < mIn.size() && mIn[mPos] == ' ')
            ++mPos;
        this->word(word, hasParam, param);
    }

    void symbol(char c)
    {
        switch (c) {
        case '\'': {
            bool ok = false;
            const int byte = mIn.mid(mPos, 2).toInt(&ok, 16);
            mPos += 2;
            if (ok)
                text(mTable[byte & 0xFF]);
            break;
        }
        case '*':
            state().skip = true;
            break;
        case '~':
            text(u'\u00A0');
            break;
        case '_':
            text(u'\u2011');
            break;
        case '\r':
        case '\n':
            if (!state().skip)
                endParagraph();
            break;
        case '-': // optional hyphen: nothing to show
            break;
        default: // "\\", "\{", "\}" and anything else stand for themselves
            text(uchar(c));
        }
    }

    void word(const QByteArray &w, bool hasParam, int param)
    {
        GroupState &s = state();
        const bool on = !hasParam || param != 0;
        for (const char *d : SkippedDestinations)
            if (w == d) {
                s.skip = true;
                return;
            }
        for (const CharWord &cw : CharWords)
            if (w == cw.word) {
                text(cw.ch);
                return;
            }
        if (w == "par" || w == "sect") {
            if (!s.skip)
                endParagraph();
        } else if (w == "pard") {
            s.paragraph = {};
        } else if (w == "plain") {
            s.chars = {};
        } else if (w == "b") {
            s.chars.bold = on;
        } else if (w == "i") {
            s.chars.italic = on;
        } else if (w == "ul") {
            s.chars.underline = on;
        } else if (w == "ulnone") {
            s.chars.underline = false;
        } else if (w == "fs" && hasParam && param > 0) {
            s.chars.halfPoints = param;
        } else if (w == "li") {
            s.paragraph.leftIndent = param;
        } else if (w == "fi") {
            s.paragraph.firstLineIndent = param;
        } else if (w == "sb") {
            s.paragraph.spaceBefore = param;
        } else if (w == "sa") {
            s.paragraph.spaceAfter = param;
        } else if (w == "ql" || w == "qc" || w == "qr" || w == "qj") {
            s.paragraph.alignment = w == "qc"   ? RtfAlignment::Centre
                                    : w == "qr" ? RtfAlignment::Right
                                    : w == "qj" ? RtfAlignment::Justify
                                                : RtfAlignment::Left;
        } else if (w == "ansicpg" && hasParam) {
            useCodePage(param);
        } else if (w == "uc" && hasParam && param >= 0) {
            s.unicodeSkip = param;
        } else if (w == "u" && hasParam) {
            text(char16_t(param < 0 ? param + 65536 : param));
            mPendingSkip = s.unicodeSkip;
        }
    }

    static bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

    const QByteArray &mIn;
    qsizetype mPos = 0;
    std::array<char16_t, 256> mTable{};
    QList<GroupState> mStack;
    RtfParagraph mParagraph;
    RtfDocument mDoc;
    int mPendingSkip = 0;
};

} // namespace

RtfDocument ReadRtf(const QByteArray &rtf)
{
    return Reader(rtf).read();
}

} // namespace cuefold
