#include "app/support_window.h"

#include "app/layoutrules.h"
#include "app/layoutview.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

ZoneRect rectOf(const ZoneRecord& z)
{
    return {z.zoneX, z.zoneY, z.zoneWidth, z.zoneHeight};
}

QSpinBox* field(TMAINForm& w, const char* name)
{
    return w.findChild<QSpinBox*>(QLatin1String(name));
}

// A drag with the left button from `from` to `to`, both in the widget's coordinates.
void drag(QWidget* widget, QPoint from, QPoint to)
{
    auto send = [widget](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(widget, &e);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

} // namespace

namespace dotsign {
void PrintTo(const ZoneRect& r, std::ostream* os)
{
    *os << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}
} // namespace dotsign

TEST(MainWindowGeometry, Template2HeightsOn128x32)
{
    WindowFixture f;
    f.writeProject(128, 32, {2});
    TMAINForm& w = f.open();
    f.click(QStringLiteral("分区1 "));
    field(w, "E_H")->setValue(20);
    EXPECT_EQ(rectOf(f.state.program(1).zone(1)), ZoneRect({0, 0, 128, 16}));
    EXPECT_EQ(rectOf(f.state.program(1).zone(2)), ZoneRect({0, 16, 128, 16}));
    EXPECT_EQ(field(w, "E_H")->value(), 16); // the field shows what was stored
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("分区1 "));

    f.click(QStringLiteral("分区2*"));
    field(w, "E_H")->setValue(8); // top = 32 - 8 = 24
    EXPECT_EQ(rectOf(f.state.program(1).zone(1)), ZoneRect({0, 0, 128, 24}));
    EXPECT_EQ(rectOf(f.state.program(1).zone(2)), ZoneRect({0, 24, 128, 8}));
    field(w, "E_H")->setValue(24); // top = 8, raised to 16
    EXPECT_EQ(rectOf(f.state.program(1).zone(1)), ZoneRect({0, 0, 128, 16}));
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("分区2*"));

    // The width of a full-width zone is restored and nothing is stored.
    field(w, "E_W")->setValue(64);
    EXPECT_EQ(field(w, "E_W")->value(), 128);
    EXPECT_EQ(f.state.program(1).zone(2).zoneWidth, 128);

    // Zone 2's y moves the splitter and selects the program.
    field(w, "e_y")->setValue(24);
    EXPECT_EQ(f.state.program(1).zone(1).zoneHeight, 24);
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("节目1"));
}

TEST(MainWindowGeometry, Template2SplitterDragIsClampedAndSelectsTheProgram)
{
    WindowFixture f;
    f.writeProject(128, 32, {2});
    TMAINForm& w = f.open();
    SplitterBar* bar = w.layoutView(2)->splitter(0);
    ASSERT_NE(bar, nullptr);
    drag(bar, {10, 2}, {10, 2 + 14}); // the top zone would be 30 high
    EXPECT_EQ(f.state.program(1).zone(1).zoneHeight, 24);
    EXPECT_EQ(rectOf(f.state.program(1).zone(2)), ZoneRect({0, 24, 128, 8}));
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("节目1"));
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("M2_1"))->height(), 24);
}

TEST(MainWindowGeometry, Template3Widths)
{
    WindowFixture f;
    f.writeProject(128, 32, {3});
    TMAINForm& w = f.open();
    f.click(QStringLiteral("分区2*"));
    field(w, "E_W")->setValue(100); // left = 28, rounded down to 24
    EXPECT_EQ(rectOf(f.state.program(1).zone(1)), ZoneRect({0, 0, 24, 32}));
    EXPECT_EQ(rectOf(f.state.program(1).zone(2)), ZoneRect({24, 0, 104, 32}));

    f.click(QStringLiteral("分区1 "));
    field(w, "E_W")->setValue(40);
    f.click(QStringLiteral("分区2*"));
    EXPECT_EQ(rectOf(f.state.program(1).zone(2)), ZoneRect({40, 0, 88, 32}));
    EXPECT_EQ(rectOf(f.state.program(1).zone(1)), ZoneRect({0, 0, 40, 32}));
    EXPECT_EQ(field(w, "e_x")->value(), 40);
    field(w, "E_H")->setValue(16);
    EXPECT_EQ(field(w, "E_H")->value(), 32);
}

TEST(MainWindowGeometry, Template4Zone3Widths)
{
    WindowFixture f;
    f.writeProject(128, 32, {4});
    TMAINForm& w = f.open();
    f.click(QStringLiteral("分区3*"));
    field(w, "E_W")->setValue(120);
    EXPECT_EQ(f.state.program(1).zone(2).zoneWidth, 8);
    EXPECT_EQ(rectOf(f.state.program(1).zone(3)), ZoneRect({8, 16, 120, 16}));
    field(w, "E_W")->setValue(10);
    EXPECT_EQ(f.state.program(1).zone(2).zoneWidth, 112);
    EXPECT_EQ(rectOf(f.state.program(1).zone(3)), ZoneRect({112, 16, 16, 16}));
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("分区3*"));
}

TEST(MainWindowGeometry, Template1RestoresTypedWidthAndKeepsTheRecord)
{
    WindowFixture f;
    f.writeProject(128, 32, {1});
    TMAINForm& w = f.open();
    QSpinBox* width = field(w, "E_W");
    width->selectAll();
    QTest::keyClicks(width, QStringLiteral("64"));
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_EQ(width->value(), 128);
    EXPECT_EQ(rectOf(f.state.program(1).zone(1)), ZoneRect({0, 0, 128, 32}));
    EXPECT_EQ(f.state.modifiedFlag, 0); // geometry never marks the project modified
}

TEST(MainWindowGeometry, PressOnTheTemplate1ImageGivesZone1TheWholeScreen)
{
    WindowFixture f;
    f.writeProject(128, 32, {1}, [](ProjectState& s) { s.program(1).zone(1).zoneWidth = 64; });
    TMAINForm& w = f.open();
    QWidget* image = w.findChild<QWidget*>(QStringLiteral("m1_bmp"));
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, {3, 3});
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, {3, 3});
    EXPECT_EQ(rectOf(f.state.program(1).zone(1)), ZoneRect({0, 0, 128, 32}));
    EXPECT_EQ(field(w, "E_W")->value(), 128);
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("分区1*"));
}

TEST(MainWindowGeometry, DraggingTheViewOffTheEdgeSnapsBackToZero)
{
    WindowFixture f;
    f.writeProject(128, 32, {2});
    TMAINForm& w = f.open();
    LayoutView* view = w.layoutView(2);
    EXPECT_EQ(view->pos(), QPoint(30, 30));
    drag(view, {2, 2}, {2 - 50, 2 + 20}); // 50 left, 20 down
    EXPECT_EQ(view->pos(), QPoint(0, 50));
    EXPECT_EQ(w.LayoutOrigin, QPoint(0, 50));
    // Every selection puts the views at the new origin.
    f.click(QStringLiteral("节目1"));
    EXPECT_EQ(w.layoutView(2)->pos(), QPoint(0, 50));
}
