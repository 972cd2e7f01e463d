#pragma once

#include "engine/CalculationMode.h"

#include <QDateTime>
#include <QFont>
#include <QRect>
#include <string>

class QPainter;

// The frame every report page shares: the unit system of the page, the centred title with its
// rule, and the footer with the print date, the project's references and the program's name.
namespace quelvan::printing {

// Report units per inch. Every page is laid out in these units whatever the device: the
// painter is scaled from the device's resolution, so a 600 dpi PDF, a 300 dpi printer and a
// preview image show the same page. At 400 units per inch the largest table font of the Arial
// ladder (55 units) prints at about 10 points on paper.
inline constexpr int kReportUnitsPerInch = 400;
// Left and right margins taken off the drawing rectangle before anything is drawn.
inline constexpr int kSideMargin = 75;
// Space between the header rule and the first table or plot caption of a page.
inline constexpr int kBodyTopGap = 40;

inline constexpr const char* kProgramName = "Quelvan";
inline constexpr const char* kProgramVersion = "1.20a";

// Day, month, year, hour and minute without zero padding: "5:3:2004  9:7".
std::string FooterDateText(const QDateTime& when);
// "Auteur = " + author + ", Référence = " + reference.
std::string FooterCentreText(const std::string& author, const std::string& reference);
// "Quelvan 1.20a".
std::string FooterProgramText();
// The footer's right-hand text for results of that mode: FooterProgramText, followed by
// " - Calcul fin" when the fine mode produced them.
std::string FooterProgramText(CalculationMode mode);

// Fonts of the page frame and of the texts placed between tables and plots, sized in report
// units (a pixel size of 400 / 72 units per point).
QFont TitleFont();
QFont FooterFont();
QFont CaptionFont(bool bold);

// Writes the title centred one and a half lines below the rectangle's top, draws a rule across
// the rectangle one and a half lines further down and returns the rule's y. Uses the painter's
// current font.
int DrawPageHeader(QPainter& painter, const QRect& rect, const std::string& title);
// Writes the date at the left edge, the centre text centred and the program's name and version
// (or the given text) at the right edge on the rectangle's last line, draws a rule above them
// and returns the distance from the rectangle's bottom to that rule. Uses the painter's current
// font.
int DrawPageFooter(QPainter& painter, const QRect& rect, const std::string& centreText,
    const QDateTime& when, const std::string& programText = FooterProgramText());

// Writes text with its top at y, centred on x.
void DrawCentredText(QPainter& painter, int x, int y, const std::string& text);

} // namespace quelvan::printing
