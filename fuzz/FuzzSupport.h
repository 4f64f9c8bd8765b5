#pragma once

// Shared by the fuzz targets: one application object for the whole run (the
// SQL driver and the settings store need it), a scratch folder, and a check
// that stops the run on a broken property, not only on a crash.
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

inline void Require(bool property, const char *what)
{
    if (!property) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

inline void StartApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
}

// A scratch folder that lives as long as the run.
inline const QTemporaryDir &Scratch()
{
    static QTemporaryDir dir;
    return dir;
}

inline QString WriteScratchFile(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = Scratch().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Require(false, "the scratch file can be written");
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

} // namespace Fuzz
