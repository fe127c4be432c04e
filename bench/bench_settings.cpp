#include "bench_settings.h"

#include "config/ini_file.h"

#include <QTemporaryDir>

// The default settings file lives in the UI library's resources, which a
// static library does not register by itself.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace cuefold::bench {

QString WriteBenchSettings(const QTemporaryDir &dir)
{
    registerResources();
    IniFile ini;
    ini.load(QStringLiteral(":/cuefold.INI"));
    ini.writeString("Language", "Preferred", "\xC8" "esky");
    const QString path = dir.filePath(QStringLiteral("cuefold.INI"));
    ini.save(path);
    return path;
}

} // namespace cuefold::bench
