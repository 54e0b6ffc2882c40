// The word course's pictures: the word list with its card, highlight bar,
// switches and buttons, the book picker and the group-finished pop-up.

#include "Style.h"
#include "word/WordListRules.h"
#include "word/WordPopupsLayout.h"
#include "word/bdcChoiceLayout.h"

#include <QPainter>

using namespace style;

namespace {

QImage PaintWordListGround()
{
    using namespace bdcChoiceLayout;
    QImage ground = TitledGround(QString::fromUtf8(Title));
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // One well holds the card and its scroll bar.
    const LayoutRect card = bdcChoiceLayout::Panel1;
    const LayoutRect bar = bdcChoiceLayout::kivWordScrollBar;
    DrawWell(painter, {card.Left - 4, card.Top - 4, bar.Left + bar.Width - card.Left + 8, card.Height + 8});
    painter.setFont(KaiFont(18));
    painter.setPen(look::TextMuted.Q());
    for (const NumberLine& line : NumberLines)
        painter.drawText(ToRect(line.caption), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(line.text));
    for (const LayoutRect& number : SteppedNumbers)
        DrawNumberWell(painter, number);
    DrawBand(painter, FootBand.Top, FootBand.Height);
    return ground;
}

// The card under the words: a deep panel so white words read, with faint
// rules between the rows.
QImage PaintWordCard()
{
    using namespace bdcChoiceLayout;
    QImage card(bdcChoiceLayout::Panel1.Width, bdcChoiceLayout::Panel1.Height, QImage::Format_RGB32);
    card.fill(QColor(0x0d, 0x33, 0x45));
    QPainter painter(&card);
    painter.setPen(QPen(QColor(255, 255, 255, 26), 1));
    for (int row = 1; row < word::kListRows; ++row) {
        const int y = word::LineShapeTop(row) - 1;
        painter.drawLine(12, y, card.width() - 12, y);
    }
    // Where the Chinese column begins.
    painter.setPen(QPen(QColor(255, 255, 255, 18), 1));
    painter.drawLine(ChineseLabelLeft - 8, 8, ChineseLabelLeft - 8, card.height() - 8);
    return card;
}

// The highlight bar behind the current word's row: a lighter teal with an
// amber edge mark where the card begins.
QImage PaintLineShape()
{
    using namespace bdcChoiceLayout;
    const LayoutRect bar = bdcChoiceLayout::LineShape;
    QImage image(bar.Width, bar.Height, QImage::Format_RGB32);
    image.fill(QColor(0x0d, 0x33, 0x45));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2b, 0x7a, 0x8e));
    painter.drawRoundedRect(QRectF(0, 1, bar.Width, bar.Height - 2), 6, 6);
    painter.setBrush(look::Accent.Q());
    painter.drawRect(QRectF(-bar.Left, 1, 4, bar.Height - 2));
    return image;
}

std::vector<PaintedPicture> PaintWordList()
{
    using namespace bdcChoiceLayout;
    const QImage ground = PaintWordListGround();
    QImage background = ground;
    {
        QPainter painter(&background);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const Switch& layout : Switches)
            DrawSwitch(painter, layout.place, QString::fromUtf8(layout.caption), true);
        for (const Command& command : Commands)
            DrawFace(painter, command.place, QString::fromUtf8(command.caption), QString(), false);
    }
    std::vector<PaintedPicture> pictures{{QString::fromUtf8(Background), background},
                                         {QString::fromUtf8(PanelPicture), PaintWordCard()},
                                         {QString::fromUtf8(LinePicture), PaintLineShape()}};
    for (const Switch& layout : Switches)
        pictures.push_back({QString::fromUtf8(layout.offFace),
                            SwitchOnGround(ground, layout.place, QString::fromUtf8(layout.caption), false)});
    for (const Command& command : Commands)
        pictures.push_back({QString::fromUtf8(command.litFace),
                            FaceOnGround(ground, command.place, QString::fromUtf8(command.caption), true)});
    return pictures;
}

std::vector<PaintedPicture> PaintBookPicker()
{
    using namespace bdcBookLayout;
    // The headline sits above the list, in the narrow band the list leaves.
    QImage ground = PopupCard(Width, Height, QString(), 0);
    {
        QPainter painter(&ground);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(KaiFont(20, true));
        painter.setPen(look::Text.Q());
        painter.drawText(QRect(26, 4, 304, 32), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(Headline));
        painter.setFont(KaiFont(16));
        painter.setPen(look::TextSoft.Q());
        painter.drawText(QRect(342, 48, 84, 120), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         QStringLiteral("点一下\n就换书"));
        DrawWell(painter, {BookListBox.Left - 3, BookListBox.Top - 3, BookListBox.Width + 6, BookListBox.Height + 6});
    }
    QImage rest = ground;
    {
        QPainter painter(&rest);
        DrawFace(painter, Image2, QString::fromUtf8(CloseCaption), QString(), false);
    }
    return {{QString::fromUtf8(Background), rest},
            {QString::fromUtf8(CloseLit), FaceOnGround(ground, Image2, QString::fromUtf8(CloseCaption), true)}};
}

std::vector<PaintedPicture> PaintGroupFinished()
{
    using namespace bdcClassFinishLayout;
    QImage ground = PopupCard(Width, Height, QString::fromUtf8(Headline), 40);
    {
        QPainter painter(&ground);
        painter.setFont(SansFont(14));
        painter.setPen(look::TextSoft.Q());
        painter.drawText(QRect(0, 86, Width, 24), Qt::AlignHCenter, QStringLiteral("Well done!"));
    }
    QImage rest = ground;
    {
        QPainter painter(&rest);
        DrawFace(painter, Image3, QString::fromUtf8(AgainCaption), QString(), false);
        DrawFace(painter, Image2, QString::fromUtf8(LeaveCaption), QString(), false);
    }
    return {{QString::fromUtf8(Background), rest},
            {QString::fromUtf8(AgainLit), FaceOnGround(ground, Image3, QString::fromUtf8(AgainCaption), true)},
            {QString::fromUtf8(LeaveLit), FaceOnGround(ground, Image2, QString::fromUtf8(LeaveCaption), true)}};
}

} // namespace

std::vector<PaintedPicture> PaintWordCourse()
{
    std::vector<PaintedPicture> all;
    for (auto painter : {PaintWordList, PaintBookPicker, PaintGroupFinished})
        for (PaintedPicture& picture : painter())
            all.push_back(std::move(picture));
    return all;
}
