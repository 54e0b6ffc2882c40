// Picture buttons under a real pointer: enter and leave notifications arrive
// through Qt's own mouse tracking, as they do in the program.

#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Labels.h"
#include "controls/TwinFaces.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage Solid(const QColor& colour, int w = 40, int h = 30)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A screen with two adjacent rule-A buttons, their hidden twins and the
// empty picture, as the main menu has.
struct TwoButtonScreen {
    TForm form{FormKind::FullScreen, 800, 600, "hoverTest"};
    TImage* empty = new TImage(&form, {0, 0, 0, 0});
    TImage* twinA = new TImage(&form, {100, 100, 40, 30});
    TImage* twinB = new TImage(&form, {140, 100, 40, 30});
    TkivImage1* buttonA = new TkivImage1(&form, {100, 100, 40, 30});
    TkivImage1* buttonB = new TkivImage1(&form, {140, 100, 40, 30});
    std::vector<QString> events;

    TwoButtonScreen()
    {
        twinA->SetPicture(TPicture(Solid(Qt::red)));
        twinB->SetPicture(TPicture(Solid(Qt::blue)));
        twinA->SetVisible(false);
        twinB->SetVisible(false);
        BindOwnTwinFaces(*buttonA, *twinA, *empty);
        BindOwnTwinFaces(*buttonB, *twinB, *empty);
        Record(buttonA, "A");
        Record(buttonB, "B");
        form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // Wraps the bound face handlers so the order of events is visible, along
    // with whether the other button was lit at that moment.
    void Record(TkivImage1* button, const QString& name)
    {
        auto enter = button->OnMouseEnter;
        auto leave = button->OnMouseLeave;
        button->OnMouseEnter = [=, this](QObject* sender) {
            EXPECT_EQ(sender, button);
            enter(sender);
            events.push_back("enter " + name + (BothLit() ? " (both lit)" : ""));
        };
        button->OnMouseLeave = [=, this](QObject* sender) {
            EXPECT_EQ(sender, button);
            leave(sender);
            events.push_back("leave " + name);
        };
    }

    bool BothLit() const { return !buttonA->Picture().Empty() && !buttonB->Picture().Empty(); }
};

TEST(Hover, MovingBetweenAdjacentButtonsLeavesTheFirstBeforeEnteringTheSecond)
{
    TwoButtonScreen screen;
    QTest::mouseMove(&screen.form, QPoint(50, 50));
    QTest::mouseMove(&screen.form, QPoint(120, 115));
    EXPECT_EQ(screen.buttonA->Picture(), screen.twinA->Picture());
    EXPECT_TRUE(screen.buttonB->Picture().Empty());

    QTest::mouseMove(&screen.form, QPoint(141, 115));
    EXPECT_EQ(screen.events, (std::vector<QString>{"enter A", "leave A", "enter B"}));
    EXPECT_TRUE(screen.buttonA->Picture().Empty());
    EXPECT_EQ(screen.buttonB->Picture(), screen.twinB->Picture());

    QTest::mouseMove(&screen.form, QPoint(400, 400));
    EXPECT_TRUE(screen.buttonB->Picture().Empty());
}

TEST(Hover, HiddenTwinsRaiseNothingWhereTheyLie)
{
    TwoButtonScreen screen;
    int twinEvents = 0;
    // A twin given hover slots of its own: being hidden, it must never call them.
    auto* hiddenKiv = new TkivImage1(&screen.form, {300, 300, 50, 50});
    hiddenKiv->OnMouseEnter = [&](QObject*) { ++twinEvents; };
    hiddenKiv->OnMouseLeave = [&](QObject*) { ++twinEvents; };
    hiddenKiv->SetVisible(false);
    QTest::mouseMove(&screen.form, QPoint(10, 10));
    QTest::mouseMove(&screen.form, QPoint(320, 320));
    QTest::mouseMove(&screen.form, QPoint(500, 500));
    EXPECT_EQ(twinEvents, 0);
}

TEST(Hover, AFacelessButtonStillReceivesItsClick)
{
    TwoButtonScreen screen;
    screen.buttonA->OnMouseEnter = nullptr; // stays without a picture under the pointer
    int clicks = 0;
    screen.buttonA->OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, screen.buttonA);
        ++clicks;
    };
    ASSERT_TRUE(screen.buttonA->Picture().Empty());
    // Widget-level mouse events go straight to the control they name.
    QTest::mouseClick(screen.buttonA, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    // A press on the button released outside it is no click.
    QTest::mousePress(screen.buttonA, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(screen.buttonA, Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_EQ(clicks, 1);
}

TEST(Hover, AButtonThatHidesItsScreenRestsWhenTheScreenComesBack)
{
    TwoButtonScreen screen;
    screen.buttonA->OnClick = [&](QObject*) { screen.form.Hide(); };
    QTest::mouseMove(&screen.form, QPoint(110, 110));
    ASSERT_FALSE(screen.buttonA->Picture().Empty());
    QTest::mouseClick(screen.buttonA, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_FALSE(screen.form.Visible());
    screen.form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen.form));
    EXPECT_TRUE(screen.buttonA->Picture().Empty());
    EXPECT_TRUE(screen.buttonB->Picture().Empty());
}

TEST(Pictures, AssigningCopiesThePictureNotTheControl)
{
    TForm form(FormKind::Popup, 100, 100, "pictures");
    TImage source(&form, {0, 0, 10, 10});
    TImage target(&form, {0, 0, 10, 10});
    source.SetPicture(TPicture(Solid(Qt::green, 10, 10)));
    target.SetPicture(source.Picture());
    source.SetPicture(TPicture(Solid(Qt::yellow, 10, 10)));
    EXPECT_EQ(target.Picture().Image().pixelColor(5, 5), QColor(Qt::green));
    source.SetPicture(TPicture());
    EXPECT_FALSE(target.Picture().Empty());
}

TEST(Labels, AKivLabelWithoutPaintHandlerPaintsLikeAPlainLabel)
{
    TForm form(FormKind::Popup, 300, 100, "labels");
    TLabel plain(&form, {0, 0, 200, 40}, QStringLiteral("Version 7.2 句子"));
    TkivLabel kiv(&form, {0, 50, 200, 40}, QStringLiteral("Version 7.2 句子"));
    for (TLabel* label : {static_cast<TLabel*>(&plain), static_cast<TLabel*>(&kiv)}) {
        label->SetFont(QStringLiteral("Arial"), 21);
        label->SetTransparent(false, Qt::white);
    }
    EXPECT_EQ(plain.grab().toImage(), kiv.grab().toImage());

    // With a handler, it draws over the finished label through the canvas.
    kiv.OnPaint = [&](QObject* sender) {
        ASSERT_NE(kiv.Canvas(), nullptr);
        EXPECT_EQ(sender, &kiv);
        kiv.Canvas()->fillRect(0, 0, 5, 5, Qt::red);
    };
    const QImage drawn = kiv.grab().toImage();
    EXPECT_EQ(drawn.pixelColor(2, 2), QColor(Qt::red));
    EXPECT_NE(drawn, plain.grab().toImage());
}

} // namespace
