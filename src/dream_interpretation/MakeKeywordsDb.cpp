// Build step: turns the dream symbols' text sources into the database the
// module reads.
//   make_keywords_db OUTPUT SOURCE...
// A malformed line or a keyword given twice (in any case) is reported with its
// file and line, no database is left at OUTPUT and the exit status fails the build.
#include "KeywordSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {
void say(const QString &text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        say(QStringLiteral("usage: make_keywords_db OUTPUT SOURCE..."));
        return 2;
    }
    KeywordSource::Reader reader;
    QStringList problems;
    for (const QString &source : args.mid(1)) {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            problems << source + QStringLiteral(": cannot be read: ") + file.errorString();
            continue;
        }
        const QByteArray bytes = file.readAll();
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (static_cast<unsigned char>(bytes[i]) > 0x7f) {
                problems << source + QStringLiteral(": byte %1 is not plain ASCII").arg(i);
                break;
            }
        }
        problems << reader.Read(QString::fromLatin1(bytes), QFileInfo(source).fileName());
    }
    if (!problems.isEmpty()) {
        for (const QString &problem : std::as_const(problems))
            say(problem);
        say(QStringLiteral("make_keywords_db: %1 problem(s); %2 not written")
                .arg(problems.size())
                .arg(args[0]));
        // No stale database from an earlier build may pass for this one.
        QFile::remove(args[0]);
        return 1;
    }
    if (reader.Symbols().empty()) {
        say(QStringLiteral("make_keywords_db: the sources hold no symbols"));
        return 1;
    }
    const QString error = KeywordSource::WriteDatabase(args[0], reader.Symbols());
    if (!error.isEmpty()) {
        say(QStringLiteral("make_keywords_db: ") + error);
        return 1;
    }
    return 0;
}
