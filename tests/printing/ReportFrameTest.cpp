#include "printing/ReportFrame.h"
#include "graphics/PainterOps.h"
#include "printing/ReportPages.h"
#include "support/CaseNames.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace quelvan::printing {
namespace {

// --- footer texts --------------------------------------------------------------------------

struct DateCase {
    QDateTime when;
    const char* text;
    friend void PrintTo(const DateCase& c, std::ostream* os) { *os << c.text; }
};

class FooterDate : public ::testing::TestWithParam<DateCase> { };

TEST_P(FooterDate, IsDayMonthYearHourMinuteWithoutPadding)
{
    EXPECT_EQ(FooterDateText(GetParam().when), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Dates, FooterDate,
    ::testing::Values(DateCase { QDateTime(QDate(2004, 3, 5), QTime(9, 7)), "5:3:2004  9:7" },
        DateCase { QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)), "31:12:2026  23:59" },
        DateCase { QDateTime(QDate(2000, 1, 1), QTime(0, 0)), "1:1:2000  0:0" },
        DateCase { QDateTime(QDate(1999, 10, 10), QTime(10, 10)), "10:10:1999  10:10" }));

// --- pages chosen by the print flags ---------------------------------------------------------

struct FlagsCase {
    std::vector<int> setFlags;
    std::vector<int> kinds;
    friend void PrintTo(const FlagsCase& c, std::ostream* os)
    {
        *os << "flags " << quelvan::test::List(c.setFlags);
    }
};

class PagesOfFlags : public ::testing::TestWithParam<FlagsCase> { };

TEST_P(PagesOfFlags, OnePagePerSetFlagInFlagOrder)
{
    PrintFlags flags {};
    for (const int f : GetParam().setFlags)
        flags[static_cast<size_t>(f)] = 1;
    std::vector<int> kinds;
    for (const PageKind kind : PageKinds(flags))
        kinds.push_back(static_cast<int>(kind));
    EXPECT_EQ(kinds, GetParam().kinds);
}

INSTANTIATE_TEST_SUITE_P(Choices, PagesOfFlags,
    ::testing::Values(FlagsCase { {}, {} }, FlagsCase { { 1, 2 }, { 1, 2 } },
        FlagsCase { { 0, 1, 2, 3, 4 }, { 0, 1, 2, 4, 5 } }, FlagsCase { { 4 }, { 5 } },
        FlagsCase { { 3 }, { 4 } }, FlagsCase { { 4, 0 }, { 0, 5 } },
        // Flags the dialog never sets: 5 is the library again, 6 to 9 their own (error) kinds.
        FlagsCase { { 5, 9 }, { 5, 9 } }, FlagsCase { { 0, 6 }, { 0, 6 } }));

struct WindowCase {
    PageKind kind;
    int hours;
    int start;
    int end;
    friend void PrintTo(const WindowCase& c, std::ostream* os)
    {
        *os << "kind " << static_cast<int>(c.kind) << " after " << c.hours << " hours";
    }
};

class HourWindows : public ::testing::TestWithParam<WindowCase> { };

TEST_P(HourWindows, StartAndEnd)
{
    const WindowCase& c = GetParam();
    const HourWindow w = TimeWindow(c.kind, c.hours);
    EXPECT_EQ(w.start, c.start);
    EXPECT_EQ(w.end, c.end);
}

INSTANTIATE_TEST_SUITE_P(Runs, HourWindows,
    ::testing::Values(WindowCase { PageKind::TimeCurves, 169, 0, 169 },
        WindowCase { PageKind::Last24Hours, 169, 145, 169 },
        // Fewer than 24 recorded hours: the window starts at hour 0.
        WindowCase { PageKind::Last24Hours, 10, 0, 10 },
        WindowCase { PageKind::Last24Hours, 24, 0, 24 },
        WindowCase { PageKind::Last24Hours, 25, 1, 25 },
        WindowCase { PageKind::Last24Hours, 0, 0, 0 },
        WindowCase { PageKind::TimeCurves, 0, 0, 0 }));

// --- header and footer drawing ---------------------------------------------------------------

int DarkPixelsInRow(const QImage& image, int y, int left, int right)
{
    int n = 0;
    for (int x = left; x <= right; ++x)
        if (qGray(image.pixel(x, y)) < 100)
            ++n;
    return n;
}

class FrameDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        image_ = QImage(1200, 800, QImage::Format_RGB32);
        image_.fill(Qt::white);
    }
    QImage image_;
    const QRect rect_ { 100, 50, 1000, 700 };
};

TEST_F(FrameDrawing, HeaderTitleIsCentredAboveTheRule)
{
    QPainter painter(&image_);
    const int rule = DrawPageHeader(painter, rect_, "Données du projet");
    painter.end();
    // The rule spans the rectangle; the title sits above it, centred.
    EXPECT_GE(DarkPixelsInRow(image_, rule, rect_.left(), rect_.right()), rect_.width() - 2);
    EXPECT_EQ(DarkPixelsInRow(image_, rule, 0, rect_.left() - 2), 0);
    int inkLeft = image_.width();
    int inkRight = -1;
    for (int y = rect_.top(); y < rule - 2; ++y)
        for (int x = 0; x < image_.width(); ++x)
            if (qGray(image_.pixel(x, y)) < 100) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    ASSERT_GE(inkRight, 0);
    const int centre = rect_.left() + rect_.width() / 2;
    EXPECT_NEAR((inkLeft + inkRight) / 2, centre, 4);
}

TEST_F(FrameDrawing, FooterReturnsTheDistanceFromTheBottomToItsRule)
{
    QPainter painter(&image_);
    painter.setFont(FooterFont());
    const int h = graphics::TextHeight(painter);
    const int height = DrawPageFooter(
        painter, rect_, "Auteur = A, Référence = R", QDateTime(QDate(2004, 3, 5), QTime(9, 7)));
    painter.end();
    const int rule = rect_.bottom() + 1 - height;
    EXPECT_GE(DarkPixelsInRow(image_, rule, rect_.left(), rect_.right()), rect_.width() - 2);
    // Text at both ends of the last line: the date on the left, the program on the right.
    const QRect line(rect_.left(), rect_.bottom() + 1 - h, rect_.width(), h);
    auto inkIn = [&](int left, int right) {
        int n = 0;
        for (int y = line.top(); y <= line.bottom(); ++y)
            n += DarkPixelsInRow(image_, y, left, right);
        return n;
    };
    EXPECT_GT(inkIn(rect_.left(), rect_.left() + 40), 0);
    EXPECT_GT(inkIn(rect_.right() - 40, rect_.right()), 0);
    EXPECT_GT(
        inkIn(rect_.left() + rect_.width() / 2 - 20, rect_.left() + rect_.width() / 2 + 20), 0);
}

} // namespace
} // namespace quelvan::printing
