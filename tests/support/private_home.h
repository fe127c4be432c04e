#pragma once

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

namespace cuefold::testing {

// Points HOME, the XDG folders and TMPDIR at one temporary folder for the
// whole test run, so nothing a test does lands in the real home or /tmp.
// Call before the application object exists (Qt reads them once).
inline QTemporaryDir &UsePrivateHome()
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/cuefold-tests-XXXXXX"));
    const QByteArray root = QFile::encodeName(home.path());
    for (const char *sub : {"cache", "config", "data", "state", "runtime", "tmp"})
        QDir(home.path()).mkpath(QString::fromLatin1(sub));
    qputenv("HOME", root);
    qputenv("XDG_CACHE_HOME", root + "/cache");
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_STATE_HOME", root + "/state");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    qputenv("TMPDIR", root + "/tmp");
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return home;
}

} // namespace cuefold::testing
