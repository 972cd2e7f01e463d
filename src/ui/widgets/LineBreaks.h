#pragma once

#include <QString>

class QFontMetrics;

namespace quelvan::ui {

// Where the sign of a joint goes when a line is broken there: " + " ends its line
// ("Béton lourd 200 +"), " (" starts the next one ("(Laine de verre, 100 mm)").
enum class JointSign { EndsLine, StartsLine };

// A text written on one line ("Béton lourd 200 + Laine de verre 50 + Plâtre 10") broken into
// lines no wider than `width` pixels, only at a joint (" + "): a narrow table column then shows
// every part rather than cutting the end. A part wider than `width` alone keeps its own line
// (the column cuts it, the tooltip holds it whole). Text without the joint, or that fits, is
// returned as it is; each line of a text that already holds several is broken in turn.
QString BreakAtJoints(const QString& text, const QString& joint, JointSign sign,
    const QFontMetrics& metrics, int width);

} // namespace quelvan::ui
