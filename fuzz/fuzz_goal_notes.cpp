// The goal notes: any file loads as lines ended by CR LF, and a note saved
// and loaded again keeps every line (blanks at its two ends aside).
#include "FuzzSupport.h"
#include "toolkit/GoalNotes.h"

#include <QFile>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString lines = GoalNotes::LinesWithLineEnds(bytes);
    Fuzz::Require(lines.isEmpty() || lines.endsWith(QStringLiteral("\r\n")), "every line ends with CR LF");
    Fuzz::Require(lines.count(u'\r') == lines.count(u'\n'), "line ends come in CR LF pairs only");

    // The file as the goal box loads it.
    Fuzz::WriteScratchFile(QStringLiteral("goal1.txt"), data, size);
    const GoalNotes::Loaded loaded = GoalNotes::PrepareAndLoad(Fuzz::Scratch().filePath(QStringLiteral("goal1.txt")), 1);
    Fuzz::Require(loaded.error.isEmpty(), "an existing file loads");
    Fuzz::Require(loaded.text == lines, "loading gives the file's lines");

    // Saving what was loaded, then loading, keeps the text; a save adds at
    // most the line end that closes the note.
    const QString once = GoalNotes::LinesWithLineEnds(GoalNotes::FileBytes(loaded.text));
    const QString kept = GoalNotes::TrimBlanks(loaded.text);
    Fuzz::Require(once.startsWith(kept), "saving and loading keeps every line");
    Fuzz::Require(once.size() <= kept.size() + 2, "a save adds at most one line end");
    Fuzz::Require(bool(GoalNotes::Save(Fuzz::Scratch().filePath(QStringLiteral("goal2.txt")), loaded.text)), "the note saves");
    QFile saved(Fuzz::Scratch().filePath(QStringLiteral("goal2.txt")));
    Fuzz::Require(saved.open(QIODevice::ReadOnly), "the saved note opens");
    Fuzz::Require(GoalNotes::LinesWithLineEnds(saved.readAll()) == once, "the saved note loads as saved");
    return 0;
}
