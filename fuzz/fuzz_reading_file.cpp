// The saved reading (.zoy): a reading parsed from any bytes composes into a
// file that reads back as the same reading (less the control characters a
// saved reading never holds), composing is stable, and loading a file gives
// what parsing its first bytes gives.
#include "FuzzSupport.h"
#include "zodiac_yoga/modReadingFile.h"

static bool same(const ReadingFile::Lines &a, const ReadingFile::Lines &b)
{
    return a.name == b.name && a.day == b.day && a.month == b.month && a.year == b.year;
}

static QString withoutControls(QString text)
{
    text.removeIf([](QChar ch) { return ch.unicode() < 32; });
    return text;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ReadingFile::Lines parsed = ReadingFile::Parse(bytes);
    const QByteArray composed = ReadingFile::Compose(parsed);
    const ReadingFile::Lines clean = {withoutControls(parsed.name), withoutControls(parsed.day),
                                      withoutControls(parsed.month), withoutControls(parsed.year)};
    Fuzz::Require(same(ReadingFile::Parse(composed), clean), "a composed reading reads back as itself");
    Fuzz::Require(ReadingFile::Compose(ReadingFile::Parse(composed)) == composed, "compose is stable");
    Fuzz::Require(composed.count("\r\n") == 4, "a composed reading has four lines");

    const QString path = Fuzz::WriteScratchFile(QStringLiteral("reading.zoy"), data, size);
    const std::optional<ReadingFile::Lines> loaded = ReadingFile::Load(path);
    Fuzz::Require(loaded.has_value(), "a readable file loads");
    Fuzz::Require(same(*loaded, ReadingFile::Parse(bytes.left(ReadingFile::MaxBytesRead))),
                  "loading reads what parsing the first bytes gives");
    return 0;
}
