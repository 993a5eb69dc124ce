// On a real X server (run under xvfb-run by ctest): the stored buttons of both
// windows on screen, hovered by the real pointer, saved as a screenshot.
#include "ButtonTestSupport.h"

#include "FormData.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace buttontest;

namespace {

// The buttons of one stored window, placed as the window stores them.
std::vector<chameleonButton*> LoadButtons(QWidget& window, const QString& form,
                                          std::initializer_list<const char*> names)
{
    FormData data;
    EXPECT_TRUE(data.Load(form).ok);
    std::vector<chameleonButton*> buttons;
    for (const char* name : names) {
        const PropertyBag& bag = data.Control(QString::fromLatin1(name));
        auto* b = new chameleonButton(&window);
        b->setObjectName(QString::fromLatin1(name));
        b->ReadProperties(bag);
        b->setGeometry(bag.ReadInt(QStringLiteral("Left"), 0), bag.ReadInt(QStringLiteral("Top"), 0),
                       bag.ReadInt(QStringLiteral("Width"), 80), bag.ReadInt(QStringLiteral("Height"), 25));
        buttons.push_back(b);
    }
    return buttons;
}

} // namespace

class ButtonScreen : public XpColours {};

TEST_F(ButtonScreen, BothWindowsButtonsWithRealPointer)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server (ctest runs this under xvfb-run)";
    QWidget form1;
    form1.setWindowTitle(QStringLiteral("Form1 buttons"));
    form1.resize(660, 340);
    const auto main = LoadButtons(form1, QStringLiteral(":/forms/Form1.frm"),
                                  {"chameleonButton1", "chameleonButton3", "chameleonButton5", "chameleonButton2"});
    QWidget form2;
    form2.setWindowTitle(QStringLiteral("Output"));
    form2.resize(330, 83);
    const auto dialog = LoadButtons(form2, QStringLiteral(":/forms/Form2.frm"),
                                    {"chameleonButton2", "chameleonButton1"});
    form1.move(20, 20);
    form2.move(20, 420);
    form1.show();
    form2.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2));
    main[2]->setFocus();       // Browse... focused: blue frame
    main[3]->SetEnabled(false); // Clear disabled

    chameleonButton* start = main[0];
    QSignalSpy over(start, &chameleonButton::MouseOver);
    QSignalSpy out(start, &chameleonButton::MouseOut);
    QCursor::setPos(start->mapToGlobal(start->rect().center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return over.count() == 1; }, 2000));
    QTest::qWait(100);

    const QString folder = QString::fromLocal8Bit(qgetenv("VOLARIN_BUILD_DIR"));
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPixmap shot = screen->grabWindow(0, 0, 0, 720, 540);
    EXPECT_TRUE(shot.save((folder.isEmpty() ? QDir::tempPath() : folder)
                          + QStringLiteral("/button-screenshot.png")));
    // The orange hover frame of look 3 is on screen at (1, 10) of the button.
    const QImage grabbed = shot.toImage();
    const QPoint frame = start->mapToGlobal(QPoint(1, 10));
    EXPECT_EQ(FromRgb32(grabbed.pixel(frame)), 0x31B2FFu);

    QCursor::setPos(form1.mapToGlobal(QPoint(5, 5)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return out.count() == 1; }, 2000));
    EXPECT_EQ(over.count(), 1);
    (void)dialog;
}
