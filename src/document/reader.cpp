#include "document/reader.h"
#include "document/document.h"
#include "document/file_name.h"
#include "document/frame_text.h"
#include "document/io_error.h"
#include "document/code_page.h"
#include "document/text_codec.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cuefold {

namespace {

constexpr qint64 ChunkSize = 64 * 1024;
// The end of a last subtitle whose end the file left open.
constexpr double OpenEndLength = 100;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits, optionally a fraction and an exponent; it must start with a digit.
bool IsFrameNumber(const QByteArray &s)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (n == 0 || !IsDigit(s[0]))
        return false;
    while (i < n && IsDigit(s[i]))
        ++i;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && IsDigit(s[i]))
            ++i;
    }
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (i == n || !IsDigit(s[i]))
            return false;
        while (i < n && IsDigit(s[i]))
            ++i;
    }
    return i == n;
}

bool ParseFrameNumber(const QByteArray &s, double &value)
{
    // Whole frames, nearly every field, are summed up digit by digit: the
    // general conversion costs most of reading a file. Fifteen digits stay
    // exact in a double and below MaxFrameValue.
    if (!s.isEmpty() && s.size() <= 15 && std::all_of(s.begin(), s.end(), IsDigit)) {
        value = 0;
        for (const char c : s)
            value = value * 10 + (c - '0');
        return true;
    }
    if (!IsFrameNumber(s))
        return false;
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v >= MaxFrameValue)
        return false;
    value = v;
    return true;
}

// The first CR or LF in data[from, to), or `to`; memchr looks at the bytes
// many at a time.
qsizetype LineEnd(const char *data, qsizetype from, qsizetype to)
{
    const void *lf = std::memchr(data + from, '\n', size_t(to - from));
    const qsizetype limit = lf ? static_cast<const char *>(lf) - data : to;
    const void *cr = std::memchr(data + from, '\r', size_t(limit - from));
    return cr ? static_cast<const char *>(cr) - data : limit;
}

// Splits a device into lines ended by CR LF, a lone LF or a lone CR, reading
// only as far as the lines asked for.
class LineSource {
public:
    explicit LineSource(QIODevice &in) : in_(in) {}

    // False once the input is exhausted. A line longer than MaxLineLength
    // gives its first MaxLineLength bytes and sets `cut`; the rest of it is
    // skipped (skipRestOfLine), never held.
    bool next(QByteArray &line, bool &cut)
    {
        line.clear();
        cut = false;
        bool sawInput = false;
        for (;;) {
            if (pos_ >= buffer_.size() && !fill())
                return sawInput;
            sawInput = true;
            if (afterCR_) {
                afterCR_ = false;
                if (buffer_[pos_] == '\n') {
                    ++pos_;
                    continue;
                }
            }
            const char *data = buffer_.constData();
            // Never looks further than the cut.
            const qsizetype stop = qMin(buffer_.size(), pos_ + (MaxLineLength - line.size()));
            qsizetype end = pos_;
            while (end < stop && data[end] != '\r' && data[end] != '\n')
                ++end;
            line.append(data + pos_, end - pos_);
            pos_ = end;
            if (end == buffer_.size())
                continue;
            if (data[end] != '\r' && data[end] != '\n') {
                cut = true;
                skipRestOfLine();
            }
            if (pos_ < buffer_.size()) {
                afterCR_ = buffer_[pos_] == '\r';
                ++pos_;
            }
            return true;
        }
    }

private:
    bool fill()
    {
        buffer_.resize(ChunkSize);
        const qint64 got = in_.read(buffer_.data(), ChunkSize);
        buffer_.resize(got > 0 ? got : 0);
        pos_ = 0;
        return got > 0;
    }

    // Leaves pos_ on the line end of a cut line, or at the end of the input.
    // A multi-gigabyte line must not hold the window for long: its bytes are
    // searched with memchr, and the holes of a sparse file, which hold no
    // line end, are not read at all.
    void skipRestOfLine()
    {
        for (;;) {
            pos_ = LineEnd(buffer_.constData(), pos_, buffer_.size());
            if (pos_ < buffer_.size())
                return;
            skipHole();
            if (!fill())
                return;
        }
    }

    // Moves a file past the hole its position is in, if any.
    void skipHole()
    {
        auto *file = qobject_cast<QFileDevice *>(&in_);
        if (!file || file->isSequential() || file->handle() < 0)
            return;
        const qint64 at = file->pos();
        const off_t data = lseek(file->handle(), off_t(at), SEEK_DATA);
        // Seeking again also brings the device's own position in line.
        if (data >= at)
            file->seek(data);
        else if (errno == ENXIO)
            file->seek(file->size());
        else
            file->seek(at);
    }

    QIODevice &in_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool afterCR_ = false; // an LF right after it belongs to the same line end
};

void ClearForReading(Document &doc)
{
    for (TSubLine &l : doc.SubLines)
        l.clear();
    doc.LineCount = 0;
    doc.FPS = -1;
    doc.SyntaxErrorCount = 0;
    doc.MissingEndCount = 0;
    doc.CutTextCount = 0;
}

void FlagFault(Document &doc, TSubLine &line, QByteArray &raw, const QByteArray &text)
{
    line.Find = 1;
    raw = text;
    ++doc.SyntaxErrorCount;
}

} // namespace

FrameField ParseFrameField(const QByteArray &s)
{
    FrameField f;
    if (s.isEmpty())
        return f;
    const qsizetype open = s.indexOf('{');
    const qsizetype close = s.indexOf('}');
    if (open < 0 && close < 0) {
        f.Case = FieldCase::NoBraces;
        f.Rest = s;
    } else if (close < 0 || (open >= 0 && close < open)) {
        f.Case = close < 0 ? FieldCase::Unclosed : FieldCase::Reversed;
        f.Text = s.left(open);
        f.Rest = s.mid(open);
    } else {
        f.Text = s.mid(open + 1, close - open - 1);
        f.Rest = s.mid(close + 1);
        if (f.Text.isEmpty())
            f.Case = FieldCase::Empty;
        else if (ParseFrameNumber(f.Text, f.Value))
            f.Case = FieldCase::Read;
        else
            f.Case = FieldCase::NotANumber;
    }
    return f;
}

int OpenForReading(QFile &file)
{
    // Opened by the system itself, so that a failure keeps its error number.
    const QString path = file.fileName();
    const int fd = open(FileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return IOErrorCodeFromErrno(errno, path);
    struct stat info;
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        close(fd);
        return AccessDeniedCode;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(fd);
        return FileNotOpenForInputCode;
    }
    return NoIOError;
}

bool ReadSubtitles(QIODevice &in, Document &doc, const DisplayTimeRule &rule, const QByteArray &encoding)
{
    ClearForReading(doc);
    // Subtitle files are small: the first MiBs tell the encoding of any real one.
    doc.Encoding = DetectEncoding(in.peek(4 << 20), CodePage::name());
    if (!encoding.isEmpty())
        doc.Encoding = {TextCodec(encoding).name(), doc.Encoding.Bom && TextCodec(encoding).isUtf8()};
    if (doc.Encoding.Bom)
        in.skip(3);
    LineSource lines(in);
    QByteArray text;
    int n = 0;
    bool valid = false;
    bool prevOpen = false; // the previous subtitle left its end to be computed
    bool cut = false;
    while (n < Document::Capacity && lines.next(text, cut)) {
        if (text.isEmpty())
            continue;
        ++n;
        doc.CutTextCount += cut;
        TSubLine &line = doc.SubLines[n];

        const FrameField first = ParseFrameField(text);
        if (first.Case == FieldCase::Read) {
            line.From = first.Value;
            valid = true;
            if (prevOpen) {
                TSubLine &prev = doc.SubLines[n - 1];
                prev.Last = IsValidFPS(doc.FPS) && prev.Find == 0
                                ? LastBySpeed(prev.Text, prev.From, line.From, doc.FPS, rule)
                                : line.From;
            }
        } else if (first.Case == FieldCase::Empty) {
            // An empty first field is a fault, yet the line is a subtitle line.
            valid = true;
            FlagFault(doc, line, line.FErr, "{}");
        } else {
            FlagFault(doc, line, line.FErr, first.Text);
        }

        prevOpen = false;
        const FrameField second = ParseFrameField(first.Rest);
        if (second.Case == FieldCase::Read) {
            line.Last = second.Value;
            valid = true;
        } else if (second.Case == FieldCase::Empty) {
            valid = true;
            prevOpen = true;
            line.LErr = "{}";
            ++doc.MissingEndCount;
        } else {
            FlagFault(doc, line, line.LErr, second.Text);
        }

        line.Text = second.Rest;
        if (line.Text.startsWith('}')) {
            line.Text.remove(0, 1);
            line.Lock = 1;
        }
        doc.LineCount = n;
        if (n == 1 && ReadFPSLine(doc, doc.FPS))
            line.Lock = 1;
    }
    // An open end with an unknown start stays unknown rather than becoming 99.
    if (prevOpen && doc.SubLines[n].From != -1)
        doc.SubLines[n].Last = doc.SubLines[n].From + OpenEndLength;
    doc.LineCount = n;
    doc.SavedLines = doc.SubLines;
    return valid;
}

bool ReadSubtitles(const QByteArray &bytes, Document &doc, const DisplayTimeRule &rule, const QByteArray &encoding)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadSubtitles(buffer, doc, rule, encoding);
}

qint64 CountSubtitleLines(QIODevice &in)
{
    LineSource lines(in);
    QByteArray text;
    bool cut = false;
    qint64 count = 0;
    while (lines.next(text, cut))
        count += !text.isEmpty();
    return count;
}

} // namespace cuefold
