// The card database read from damaged bytes, the way the cartomancy windows
// read it: the selection of every group, each card's fields and keywords, and
// the keyword draw of the test. Nothing is written, and every record read is
// one the windows can show.
#include "FuzzSupport.h"
#include "cartomancy/modLearnCartomancyDB.h"

#include <QFileInfo>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::WriteScratchFile(QStringLiteral("learn.dll"), data, size);
    const QDateTime written = QFileInfo(path).lastModified();
    {
        CardDatabase globals;
        OpenCardDatabase(globals, path);
        (void)CardDatabaseProblem(globals);
        globals.CardSet = OpenCardRecordset(globals, BuildCardQuery({0, 1, 2, 3, 4, 5, 6, 7}));
        Db::RecordSet &cards = globals.CardSet;
        Fuzz::Require(cards.RecordCount() >= 0, "a selection has a count");
        int seen = 0;
        for (cards.MoveFirst(); !cards.IsEOF() && seen < 64; cards.MoveNext(), ++seen) {
            const int id = cards.Int(QStringLiteral("ID"));
            (void)cards.Text(QStringLiteral("Name"));
            (void)cards.Text(QStringLiteral("NormalMeaning"));
            (void)cards.Bytes(QStringLiteral("PictureData"));
            Db::RecordSet keywords = OpenCardRecordset(globals, CardKeywordsQuery(id));
            for (keywords.MoveFirst(); !keywords.IsEOF(); keywords.MoveNext())
                (void)keywords.Text(QStringLiteral("keyword"));
            const OtherKeywords others(globals.CardConnection, id);
            Fuzz::Require(others.Count() >= 0, "the other keywords have a count");
            for (int position : {0, 1, others.Count() / 2, others.Count(), others.Count() + 1}) {
                const QString keyword = others.At(position);
                if (position < 1 || position > others.Count())
                    Fuzz::Require(keyword.isEmpty(), "no keyword outside 1..Count");
            }
        }
        Fuzz::Require(seen == cards.RecordCount() || seen == 64, "moving through a selection visits every card");
        // Moving past either end stays at the end.
        cards.MoveLast();
        cards.MoveNext();
        Fuzz::Require(cards.IsEOF(), "past the last card is EOF");
        cards.MoveFirst();
        cards.MovePrevious();
        Fuzz::Require(cards.IsBOF(), "before the first card is BOF");
    }
    Fuzz::Require(QFileInfo(path).size() == qint64(size) && QFileInfo(path).lastModified() == written,
                  "reading never writes the database");
    return 0;
}
