#include "config/ini_file.h"
#include "config/settings_io.h"
#include "document/code_page.h"

#include <gtest/gtest.h>
#include <random>

using namespace cuefold;

namespace {

// Pieces that steer the settings reader into its branches, with the odd
// random byte: headers, keys, comments, every line end, a byte-order mark.
QByteArray RandomIniBytes(std::mt19937 &rng, int pieceCount)
{
    static const QByteArray pieces[] = {
        "[", "]", "=", "\r\n", "\n", "\r", ";", "#", " ", "Main", "main", "Font", "Key", "KEY", "DelayFrames",
        "Size", "\xEF\xBB\xBF", "\xC8" "esky", "\xE8" "esky", "1", "-7", "2,5", QByteArray(1, '\0'), "[Main]\r\n",
    };
    std::uniform_int_distribution<int> pick(0, int(std::size(pieces)) - 1);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::bernoulli_distribution biased(0.9);
    QByteArray out;
    for (int i = 0; i < pieceCount; ++i)
        out += biased(rng) ? pieces[pick(rng)] : QByteArray(1, char(anyByte(rng)));
    return out;
}

// Names no two of which are the same name in another letter case.
const QByteArray Sections[] = {"Main", "Font", "\xC8" "esky", "New"};
const QByteArray Keys[] = {"Key", "DelayFrames", "Other"};

TEST(IniFuzz, RandomFilesKeepTheirBytesAndWritesStayInTheirPlace)
{
    std::mt19937 rng(6101);
    std::uniform_int_distribution<int> pieceCount(0, 120);
    std::uniform_int_distribution<int> section(0, int(std::size(Sections)) - 1);
    std::uniform_int_distribution<int> key(0, int(std::size(Keys)) - 1);
    for (int round = 0; round < 3000; ++round) {
        const QByteArray input = RandomIniBytes(rng, pieceCount(rng));
        SCOPED_TRACE(input.toPercentEncoding().constData());
        IniFile ini;
        ini.setBytes(input);
        ASSERT_EQ(ini.bytes(), input);
        ProgramSettings settings;
        ReadSettings(ini, settings); // every typed read copes with whatever is there
        ASSERT_GE(settings.Font.Size, 1);

        std::vector<std::optional<QByteArray>> before;
        for (const QByteArray &s : Sections)
            for (const QByteArray &k : Keys)
                before.push_back(ini.value(s, k));
        const int s = section(rng), k = key(rng);
        const QByteArray value = "v " + QByteArray::number(round);
        ini.writeString(Sections[s], Keys[k], value);

        IniFile again;
        again.setBytes(ini.bytes());
        for (int i = 0; i < int(std::size(Sections)); ++i) {
            for (int j = 0; j < int(std::size(Keys)); ++j) {
                const auto expected = i == s && j == k ? std::optional<QByteArray>(value)
                                                       : before[size_t(i * int(std::size(Keys)) + j)];
                ASSERT_EQ(ini.value(Sections[i], Keys[j]), expected) << i << "," << j;
                ASSERT_EQ(again.value(Sections[i], Keys[j]), expected) << i << "," << j;
            }
        }
    }
    CodePage::select("windows-1250");
}

} // namespace
