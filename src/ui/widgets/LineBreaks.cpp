#include "ui/widgets/LineBreaks.h"

#include <QFontMetrics>
#include <QStringList>

namespace quelvan::ui {
namespace {

QString BreakLine(const QString& line, const QString& joint, JointSign sign,
    const QFontMetrics& metrics, int width)
{
    if (joint.trimmed().isEmpty() || metrics.horizontalAdvance(line) <= width)
        return line;
    // Each part carries the joint's sign; parts on one line are glued by the joint's spaces
    // (" +" and " " give back " + ").
    const bool ends = sign == JointSign::EndsLine;
    const qsizetype signStart = joint.indexOf(joint.trimmed());
    const QString glue
        = ends ? joint.mid(signStart + joint.trimmed().size()) : joint.left(signStart);
    const QString signText
        = ends ? joint.left(signStart + joint.trimmed().size()) : joint.mid(signStart);
    const QStringList parts = line.split(joint);
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (ends && i + 1 < parts.size())
            part += signText;
        else if (!ends && i > 0)
            part.prepend(signText);
        const QString joined = current.isEmpty() ? part : current + glue + part;
        if (current.isEmpty() || metrics.horizontalAdvance(joined) <= width) {
            current = joined;
        } else {
            lines << current;
            current = part;
        }
    }
    lines << current;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString BreakAtJoints(const QString& text, const QString& joint, JointSign sign,
    const QFontMetrics& metrics, int width)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = BreakLine(line, joint, sign, metrics, width);
    return lines.join(QLatin1Char('\n'));
}

} // namespace quelvan::ui
