// The settings rows: every key comes back from the file, and the file's
// bytes for one set of choices are pinned by golden files (a file with every
// key changed, read and written into a hand-kept file whose foreign keys,
// language section and comments must stay in place).
#include "config/ini_file.h"
#include "config/settings_io.h"
#include "config/settings_rows.h"
#include "document/code_page.h"
#include "io_test_support.h"

#include <gtest/gtest.h>
#include <set>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

QByteArray WrittenInto(const char *baseName, const ProgramSettings &settings)
{
    IniFile ini;
    EXPECT_TRUE(ini.load(TestDataPath(baseName)));
    WriteSettings(ini, settings);
    return ini.bytes();
}

// A value other than the row's default that the row accepts. Numbers differ
// from row to row, so that two rows mixed up would show.
SettingValue ChangedValue(const SettingRow &row, int index)
{
    const SettingValue &def = row.defaultValue;
    if (const bool *b = std::get_if<bool>(&def))
        return !*b;
    if (const int *i = std::get_if<int>(&def)) {
        // A narrow range turns by one, so the column positions stay a permutation.
        const qint64 span = qint64(row.max) - row.min + 1;
        const qint64 step = span <= 16 ? 1 : 1 + index;
        return int(row.min + ((qint64(*i) - row.min + step) % span + span) % span);
    }
    if (const double *d = std::get_if<double>(&def))
        return *d + 0.25 * (1 + index);
    if (const QByteArray *text = std::get_if<QByteArray>(&def))
        return *text + "\xE8" + QByteArray::number(index);
    return QStringLiteral("/data/titulky \u017E/") + QString::number(index);
}

const void *FieldAddress(const SettingRow &row, ProgramSettings &s)
{
    return std::visit([](auto *field) -> const void * { return field; }, row.field(s));
}

} // namespace

TEST(SettingsRows, EveryKeyChangedComesBackFromTheFile)
{
    CodePage::select("windows-1250");
    const std::vector<SettingRow> &rows = SettingRows();
    ProgramSettings changed;
    for (size_t i = 0; i < rows.size(); ++i) {
        const SettingValue value = ChangedValue(rows[i], int(i));
        ASSERT_FALSE(value == rows[i].defaultValue) << rows[i].key.constData();
        SetRowValue(rows[i], changed, value);
    }
    IniFile written;
    WriteSettings(written, changed);
    IniFile file;
    file.setBytes(written.bytes());
    ProgramSettings back;
    EXPECT_FALSE(ReadSettings(file, back).firstRun);
    for (const SettingRow &row : rows) {
        const QByteArray name = row.section + '/' + row.key;
        EXPECT_TRUE(file.value(row.section, row.key)) << name.constData();
        EXPECT_TRUE(RowValue(row, back) == RowValue(row, changed)) << name.constData();
    }
    EXPECT_EQ(back.PreviewFontColor, changed.PreviewFontColor);
    CodePage::select("windows-1250");
}

TEST(SettingsRows, EachRowHasItsOwnKeyAndField)
{
    ProgramSettings s;
    std::set<QByteArray> keys;
    std::set<const void *> fields;
    for (const SettingRow &row : SettingRows()) {
        EXPECT_TRUE(keys.insert(row.section.toLower() + '/' + row.key.toLower()).second) << row.key.constData();
        EXPECT_TRUE(fields.insert(FieldAddress(row, s)).second) << row.key.constData();
    }
}

// A new key changes these bytes on purpose: its row's key then goes into
// settings_changed.INI and both golden files.
TEST(SettingsGolden, EveryKeyChangedWritesTheGoldenBytes)
{
    IniFile changed;
    ASSERT_TRUE(changed.load(TestDataPath("settings_changed.INI")));
    ProgramSettings s;
    ReadSettings(changed, s);
    EXPECT_EQ(s.DefaultPath.Save, QStringLiteral("/data/ulo\u017Eit")); // in the file's own code page
    EXPECT_EQ(WrittenInto("settings_base.INI", s), FileBytes(TestDataPath("settings_golden_saved.INI")));

    // Positions not remembered: their keys are left as the file has them.
    s.Main.SaveWindowPosition = s.Table.SaveWindowPosition = s.Player.SaveWindowPosition = false;
    EXPECT_EQ(WrittenInto("settings_base.INI", s), FileBytes(TestDataPath("settings_golden_unplaced.INI")));
    CodePage::select("windows-1250");
}
