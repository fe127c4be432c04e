#include "io_test_support.h"

#include <gtest/gtest.h>
#include <cmath>
#include <random>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

// Bytes that steer the reader into its branches, with the odd random byte.
QByteArray RandomSubtitleBytes(std::mt19937 &rng, qsizetype length)
{
    static const char pieces[] = "{}{}{}0123456789|\r\n\r\n\x00.e}";
    std::uniform_int_distribution<int> pick(0, sizeof pieces - 2);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::bernoulli_distribution biased(0.8);
    QByteArray out;
    out.reserve(length);
    for (qsizetype i = 0; i < length; ++i)
        out += biased(rng) ? pieces[pick(rng)] : char(anyByte(rng));
    return out;
}

// Non-empty lines of the input, splitting at CR LF, LF or CR.
int CountSubtitleLines(const QByteArray &bytes)
{
    int lines = 0;
    bool inLine = false;
    for (char c : bytes) {
        if (c == '\r' || c == '\n') {
            lines += inLine;
            inLine = false;
        } else {
            inLine = true;
        }
    }
    return lines + inLine;
}

void CheckInvariants(const QByteArray &input, const Document &doc, bool valid)
{
    SCOPED_TRACE(input.left(200).toPercentEncoding().constData());
    ASSERT_GE(doc.LineCount, 0);
    ASSERT_LE(doc.LineCount, Document::Capacity);
    ASSERT_EQ(doc.LineCount, std::min(CountSubtitleLines(input), Document::Capacity));

    int flagged = 0, missingEnds = 0, emptyStarts = 0;
    for (int i = 1; i <= doc.LineCount; ++i) {
        const TSubLine &l = doc.SubLines[i];
        for (double frame : {l.From, l.Last})
            ASSERT_TRUE(frame == -1 || (std::isfinite(frame) && frame >= 0 && frame < MaxFrameValue + 100));
        ASSERT_TRUE(l.Find == 0 || l.Find == 1);
        flagged += l.Find;
        missingEnds += l.LErr == "{}";
        if (l.Find == 0) {
            // A sound subtitle holds no raw text and a read start.
            ASSERT_TRUE(l.FErr.isEmpty());
            ASSERT_TRUE(l.LErr.isEmpty() || l.LErr == "{}");
            ASSERT_GE(l.From, 0);
        }
        if (l.FErr == "{}") {
            ASSERT_EQ(l.Find, 1);
            ++emptyStarts;
        }
        ASSERT_FALSE(l.Text.contains('\r') || l.Text.contains('\n'));
    }
    for (int i = doc.LineCount + 1; i <= Document::Capacity; ++i)
        ASSERT_EQ(doc.SubLines[i], TSubLine());
    ASSERT_EQ(doc.MissingEndCount, missingEnds);
    // Each flagged subtitle has one or two faulty fields.
    ASSERT_GE(doc.SyntaxErrorCount, flagged);
    ASSERT_LE(doc.SyntaxErrorCount, 2 * flagged);
    // Valid exactly when some field was read or given empty; an empty first
    // field counts as a fault and yet makes the file valid.
    ASSERT_EQ(valid, doc.SyntaxErrorCount - emptyStarts < 2 * doc.LineCount);
}

TEST(ReaderFuzz, RandomBytesKeepTheDocumentConsistent)
{
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> shortLength(0, 300);
    std::uniform_int_distribution<int> longLength(10000, 300000);
    auto doc = std::make_unique<Document>();
    for (int round = 0; round < 3000; ++round) {
        const qsizetype length = round % 100 == 0 ? longLength(rng) : shortLength(rng);
        const QByteArray input = RandomSubtitleBytes(rng, length);
        const bool valid = ReadSubtitles(input, *doc, DefaultRule);
        CheckInvariants(input, *doc, valid);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

TEST(ReaderFuzz, ManyShortLinesHitTheCapacity)
{
    std::mt19937 rng(7);
    QByteArray input;
    while (CountSubtitleLines(input) < 3000)
        input += RandomSubtitleBytes(rng, 8) + "\r\n";
    auto doc = std::make_unique<Document>();
    const bool valid = ReadSubtitles(input, *doc, DefaultRule);
    CheckInvariants(input, *doc, valid);
}

} // namespace
