// The application object, the default error handler, pictures and the
// scroll bar's mouse reports.

#include "PlatformDoubles.h"
#include "controls/Application.h"
#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Jpeg.h"
#include "controls/ListBox.h"
#include "controls/Timer.h"
#include "platform/GuardedApplication.h"
#include "controls/ScrollBar.h"
#include "controls/Skin.h"
#include "platform/Errors.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> lifeLog;

template <int N>
class LoggedForm : public TForm {
public:
    LoggedForm() : TForm(FormKind::Popup, 50, 50, QString("form%1").arg(N)) {}
    void FormCreate() override
    {
        lifeLog.push_back("create " + std::to_string(N));
        if (N == 2)
            Application->Terminate();
    }
    void FormDestroy() override { lifeLog.push_back("destroy " + std::to_string(N)); }
};

TEST(Application, CreatesInOrderDestroysInReverseAndEndsAtOnceWhenTerminatedEarly)
{
    lifeLog.clear();
    LoggedForm<1>* first = nullptr;
    LoggedForm<2>* second = nullptr;
    LoggedForm<3>* third = nullptr;
    {
        TApplication application;
        application.CreateForm(first);
        application.CreateForm(second); // asks to terminate while being created
        application.CreateForm(third);  // is still created
        ASSERT_NE(third, nullptr);
        EXPECT_EQ(application.MainForm(), first);
        EXPECT_TRUE(application.Terminated());
        // Run returns at once: were the loop entered, this would stop it.
        bool loopEntered = false;
        QTimer::singleShot(0, [&] {
            loopEntered = true;
            QApplication::exit(0);
        });
        application.Run();
        EXPECT_FALSE(loopEntered);
        EXPECT_FALSE(first->Visible());
        application.DestroyForms();
        EXPECT_EQ(first, nullptr);
        EXPECT_EQ(third, nullptr);
        QTest::qWait(1); // the stray single shot
    }
    EXPECT_EQ(lifeLog, (std::vector<std::string>{"create 1", "create 2", "create 3", "destroy 3", "destroy 2",
                                                 "destroy 1"}));
}

TEST(Application, ClosingAModalFormEndsTheShowingWithCancelAndClosingTheMainFormEndsTheProgram)
{
    ScriptedModal modal;
    platform::InstallModalShowing(&modal);
    LoggedForm<1>* main = nullptr;
    LoggedForm<3>* popup = nullptr;
    TApplication application;
    application.CreateForm(main);
    application.CreateForm(popup);
    modal.responses.push_back([](TForm& form) { form.Close(); });
    EXPECT_EQ(popup->ShowModal(), mrCancel);
    modal.responses.push_back([](TForm& form) { form.SetModalResult(mrOk); });
    EXPECT_EQ(popup->ShowModal(), mrOk);
    EXPECT_FALSE(application.Terminated());
    main->Close();
    EXPECT_TRUE(application.Terminated());
    platform::InstallModalShowing(nullptr);
}

TEST(ErrorHandler, AnExceptionEscapingAnEventHandlerIsShownAndTheProgramGoesOn)
{
    MessageLog messages;
    platform::InstallMessageBoxes(&messages);
    TForm form(FormKind::FullScreen, 800, 600, "errors");
    auto* button = new TkivImage1(&form, {10, 10, 50, 50});
    int clicks = 0;
    button->OnClick = [&](QObject*) {
        ++clicks;
        throw EMCIDeviceError("No MCI device open");
    };
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const int escapedBefore = GuardedApplication::EscapedExceptions();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(messages.Texts(), (QStringList{"No MCI device open", "No MCI device open"}));
    // Caught where the handler was called, not after unwinding Qt's event code.
    EXPECT_EQ(GuardedApplication::EscapedExceptions(), escapedBefore);
    platform::InstallMessageBoxes(nullptr);
}

// Timer ticks and signal connections reach our handlers through Qt code of
// their own; an exception thrown there is caught before it enters that code.
TEST(ErrorHandler, TimerTicksAndSignalConnectionsHandTheirExceptionsToTheErrorHandler)
{
    MessageLog messages;
    platform::InstallMessageBoxes(&messages);
    platform::InstallClock(nullptr); // the real clock, on the event loop
    const int escapedBefore = GuardedApplication::EscapedExceptions();

    TTimer timer(5, false);
    int ticks = 0;
    timer.SetOnTimer([&](QObject*) {
        if (++ticks == 2)
            timer.SetEnabled(false);
        throw EMCIDeviceError("tick");
    });
    timer.SetEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 2; }, 2000));

    TForm form(FormKind::FullScreen, 800, 600, "signals");
    auto* button = new QPushButton("help", &form);
    int laterSlots = 0;
    QObject::connect(button, &QPushButton::clicked, &form, Guarded([] { throw EMCIDeviceError("clicked"); }));
    // A slot connected after the throwing one still runs: the exception did
    // not cut the signal's delivery short.
    QObject::connect(button, &QPushButton::clicked, &form, [&] { ++laterSlots; });
    auto* list = new TListBox(&form, {100, 0, 100, 100});
    list->AddItem("one");
    list->AddItem("two");
    list->SetItemIndex(0);
    list->OnClick = [](QObject*) { throw EMCIDeviceError("selected"); };
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(button, Qt::LeftButton);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down); // the selection signal raises OnClick

    EXPECT_EQ(laterSlots, 1);
    EXPECT_EQ(messages.Texts(), (QStringList{"tick", "tick", "clicked", "selected"}));
    EXPECT_EQ(GuardedApplication::EscapedExceptions(), escapedBefore);
    platform::InstallMessageBoxes(nullptr);
}

TEST(Pictures, JpegRoundTripAndDamagedData)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(20, 120, 200));
    const QByteArray jpeg = EncodeJpeg(image, 95);
    ASSERT_FALSE(jpeg.isEmpty());
    QString error;
    const QImage decoded = DecodeJpeg(jpeg, &error);
    ASSERT_EQ(decoded.size(), image.size());
    const QColor centre = decoded.pixelColor(32, 24);
    EXPECT_NEAR(centre.red(), 20, 4);
    EXPECT_NEAR(centre.green(), 120, 4);
    EXPECT_NEAR(centre.blue(), 200, 4);

    // A header claiming 6000 x 6000 pixels is refused before anything that size is made.
    QByteArray huge = jpeg;
    const qsizetype frame = huge.indexOf("\xff\xc0");
    ASSERT_GE(frame, 0);
    for (const int at : {5, 7}) { // the frame's height, then its width, big-endian
        huge[frame + at] = char(6000 >> 8);
        huge[frame + at + 1] = char(6000 & 0xff);
    }
    EXPECT_TRUE(DecodeJpeg(huge, &error).isNull());
    EXPECT_EQ(error, QStringLiteral("the picture is too large"));

    for (const QByteArray& damaged : {jpeg.left(jpeg.size() / 2), QByteArray("not a picture at all"), QByteArray()}) {
        error.clear();
        EXPECT_TRUE(DecodeJpeg(damaged, &error).isNull());
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(Pictures, AMissingOrDamagedSkinPictureIsBlankAndNamedOnStandardError)
{
    static const unsigned char garbage[] = {0xff, 0xd8, 0xff, 0x00, 0x12};
    static const SkinEntry entries[] = {{"test/damaged", garbage, sizeof garbage}};
    RegisterSkinTable(entries, 1);
    testing::internal::CaptureStderr();
    const TPicture damaged = SkinPicture("test/damaged");
    const std::string beforeLooking = testing::internal::GetCapturedStderr();
    EXPECT_EQ(beforeLooking, "") << "pictures are decoded when first looked at, not when asked for";
    testing::internal::CaptureStderr();
    const TPicture missing = SkinPicture("test/missing");
    const bool damagedEmpty = damaged.Empty();
    const bool missingEmpty = missing.Empty();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(damagedEmpty);
    EXPECT_TRUE(missingEmpty);
    EXPECT_NE(said.find("'test/damaged' is damaged"), std::string::npos) << said;
    EXPECT_NE(said.find("'test/missing' is missing"), std::string::npos) << said;
}

TEST(ScrollBar, MouseDownIsReportedAfterTheBarsOwnTrackingWithTheFinalPosition)
{
    TForm form(FormKind::FullScreen, 800, 600, "scroll");
    auto* bar = new TkivScrollBar(&form, {100, 100, 20, 300});
    bar->SetRange(0, 100);
    std::vector<std::string> events;
    bar->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) {
        events.push_back("down at " + std::to_string(bar->Position()));
    };
    bar->OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int, int) { events.push_back("up"); };
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // Press in the trough below the thumb: the bar pages down by itself.
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(10, 280));
    EXPECT_TRUE(events.empty());
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(10, 280));
    ASSERT_EQ(events.size(), 2u);
    EXPECT_GT(bar->Position(), 0);
    EXPECT_EQ(events[0], "down at " + std::to_string(bar->Position()));
    EXPECT_EQ(events[1], "up");
}

} // namespace
