// Breaking a list written on one line at its joints: a line that fits stays whole, a narrow
// width puts each part on its own line with the joint's sign ending the line, and a part wider
// than the width alone is never cut.
#include "ui/widgets/LineBreaks.h"

#include <QFont>
#include <QFontMetrics>
#include <QStringList>

#include <gtest/gtest.h>

using quelvan::ui::BreakAtJoints;
using quelvan::ui::JointSign;

namespace {

const QString kWall = QStringLiteral("Béton lourd 200 + Laine de verre 50 + Plâtre 10");

TEST(LineBreaks, PartsGoOnTheLinesTheWidthNeeds)
{
    const QFontMetrics metrics { QFont() };
    const int whole = metrics.horizontalAdvance(kWall);
    EXPECT_EQ(
        BreakAtJoints(kWall, QStringLiteral(" + "), JointSign::EndsLine, metrics, whole), kWall);
    // One pixel short: the last layer goes to a second line.
    EXPECT_EQ(BreakAtJoints(kWall, QStringLiteral(" + "), JointSign::EndsLine, metrics, whole - 1),
        QStringLiteral("Béton lourd 200 + Laine de verre 50 +\nPlâtre 10"));
    // Narrower than any two layers: one each.
    const int first = metrics.horizontalAdvance(QStringLiteral("Béton lourd 200 +"));
    EXPECT_EQ(BreakAtJoints(kWall, QStringLiteral(" + "), JointSign::EndsLine, metrics, first),
        QStringLiteral("Béton lourd 200 +\nLaine de verre 50 +\nPlâtre 10"));
    // Narrower than a layer: it keeps its own line, whole.
    EXPECT_EQ(BreakAtJoints(kWall, QStringLiteral(" + "), JointSign::EndsLine, metrics, 5),
        QStringLiteral("Béton lourd 200 +\nLaine de verre 50 +\nPlâtre 10"));
}

TEST(LineBreaks, EachLineIsBrokenAloneAndTextWithoutJointsStays)
{
    const QFontMetrics metrics { QFont() };
    const QString name = QStringLiteral("Projet actuel (référence)");
    const QString heading = name + QLatin1Char('\n') + kWall;
    const QString broken
        = BreakAtJoints(heading, QStringLiteral(" + "), JointSign::EndsLine, metrics, 5);
    EXPECT_EQ(broken.split(QLatin1Char('\n')).size(), 4);
    EXPECT_TRUE(broken.startsWith(name + QLatin1Char('\n')));
    EXPECT_EQ(BreakAtJoints(name, QStringLiteral(" + "), JointSign::EndsLine, metrics, 5), name);
    EXPECT_EQ(BreakAtJoints(QString(), QStringLiteral(" + "), JointSign::EndsLine, metrics, 5),
        QString());
}

// A sign that opens what follows starts the next line, and text that fits is left alone.
TEST(LineBreaks, AnOpeningSignStartsTheNextLine)
{
    const QFontMetrics metrics { QFont() };
    const QString name = QStringLiteral("Épaisseur d'isolant × 2 (Laine de verre, 100 mm)");
    const int first = metrics.horizontalAdvance(QStringLiteral("Épaisseur d'isolant × 2"));
    EXPECT_EQ(BreakAtJoints(name, QStringLiteral(" ("), JointSign::StartsLine, metrics, first),
        QStringLiteral("Épaisseur d'isolant × 2\n(Laine de verre, 100 mm)"));
    EXPECT_EQ(BreakAtJoints(name, QStringLiteral(" ("), JointSign::StartsLine, metrics,
                  metrics.horizontalAdvance(name)),
        name);
}

} // namespace
