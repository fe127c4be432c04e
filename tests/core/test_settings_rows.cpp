// The settings file's bytes for one set of choices, pinned by golden files:
// a file with every key changed is read and written into a hand-kept file
// whose foreign keys, language section and comments must stay in place.
#include "config/ini_file.h"
#include "config/settings_io.h"
#include "document/code_page.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

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

} // namespace

TEST(SettingsGolden, EveryKeyChangedWritesTheGoldenBytes)
{
    IniFile changed;
    ASSERT_TRUE(changed.load(TestDataPath("settings_changed.INI")));
    ProgramSettings s;
    ReadSettings(changed, s);
    EXPECT_EQ(WrittenInto("settings_base.INI", s), FileBytes(TestDataPath("settings_golden_saved.INI")));

    // Positions not remembered: their keys are left as the file has them.
    s.Main.SaveWindowPosition = s.Table.SaveWindowPosition = s.Player.SaveWindowPosition = false;
    EXPECT_EQ(WrittenInto("settings_base.INI", s), FileBytes(TestDataPath("settings_golden_unplaced.INI")));
    CodePage::select("windows-1250");
}
