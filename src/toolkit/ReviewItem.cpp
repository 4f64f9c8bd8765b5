#include "ReviewItem.h"

QString ReviewPositionText(int index, int count)
{
    return QString::number(index + 1) + QStringLiteral(" of ") + QString::number(count);
}

namespace {

QString escapedLines(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return plain.trimmed().toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
}

} // namespace

QString ReviewBody(const QList<std::pair<QString, QString>> &fields)
{
    QString html;
    for (const auto &[heading, text] : fields) {
        if (!heading.isEmpty())
            html += QStringLiteral("<p style=\"margin-bottom:2px\"><b>") + heading.toHtmlEscaped() +
                    QStringLiteral("</b></p>");
        html += QStringLiteral("<p style=\"margin-top:0px\">") + escapedLines(text) +
                QStringLiteral("</p>");
    }
    return html;
}
