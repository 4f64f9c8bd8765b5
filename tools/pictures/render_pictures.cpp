// Draws SVG pictures once, at the sizes the main window shows them, into PNG
// files beside them (<name>-<size>.png), so the program does not draw them at
// every start. The drawing is the program's own (Look::Picture), so a
// pre-drawn picture looks exactly as the one drawn at run time.
//   render-pictures SIZE[,SIZE...] FILE.svg...
#include "toolkit/Look.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: render-pictures SIZE[,SIZE...] FILE.svg...\n");
        return 2;
    }
    int failures = 0;
    for (const QString &sizeText : args[1].split(u',')) {
        const int size = sizeText.toInt();
        for (const QString &svg : args.mid(2)) {
            const QPixmap pixmap = Look::DrawSvg(svg, QSize(size, size));
            const QString png = svg.chopped(4) + QStringLiteral("-%1.png").arg(size);
            if (pixmap.isNull() || !pixmap.save(png, "PNG")) {
                std::fprintf(stderr, "cannot draw %s\n", qPrintable(png));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
