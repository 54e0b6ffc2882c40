// The main menu: the course buttons down the left on a quiet panel, the
// program's name and a sound-wave motif on the right.

#include "Style.h"
#include "app/bjzMainLayout.h"

#include <QPainter>

namespace {

using namespace bjzMainLayout;

void PaintTitle(QPainter& painter)
{
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect titleArea(300, 140, 460, 170);
    painter.setFont(style::KaiFont(124, true));
    painter.setPen(look::Text.Q());
    painter.drawText(titleArea, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("听读"));

    painter.setFont(style::KaiFont(30));
    painter.setPen(look::Accent.Q());
    painter.drawText(QRect(300, 312, 460, 40), Qt::AlignHCenter, QStringLiteral("英语听读训练"));

    painter.setFont(style::SansFont(15));
    painter.setPen(look::TextSoft.Q());
    painter.drawText(QRect(300, 352, 460, 24), Qt::AlignHCenter,
                     QStringLiteral("Listen to every sentence \u00b7 say every word"));

    style::DrawSoundWave(painter, QPointF(530, 440), 23, 6, 64, QColor(255, 255, 255, 60));

    painter.setFont(style::KaiFont(18));
    painter.setPen(look::TextSoft.Q());
    painter.drawText(QRect(300, 510, 460, 28), Qt::AlignHCenter, QStringLiteral("每天听一点 · 每天读一点"));
}

void PaintMenuPanel(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel(62, 64, 192, 440);
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
    painter.setBrush(QColor(5, 20, 32, 90));
    painter.drawRoundedRect(panel, 18, 18);

    painter.setFont(style::KaiFont(20, true));
    painter.setPen(look::TextSoft.Q());
    painter.drawText(QRectF(panel.left(), 78, panel.width(), 30), Qt::AlignHCenter, QStringLiteral("开始学习"));

    // A quiet rule between the learning buttons and the others.
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    painter.drawLine(QPointF(panel.left() + 26, 319), QPointF(panel.right() - 26, 319));
    painter.restore();
}

} // namespace

std::vector<PaintedPicture> PaintMainMenu()
{
    QImage ground = style::Ground(Width, Height);
    {
        QPainter painter(&ground);
        PaintMenuPanel(painter);
        PaintTitle(painter);
    }
    QImage background = ground;
    std::vector<PaintedPicture> pictures;
    {
        QPainter painter(&background);
        for (const MenuButton& button : Buttons)
            style::DrawFace(painter, button.place, QString::fromUtf8(button.caption),
                            QString::fromUtf8(button.english), false);
    }
    pictures.push_back({QString::fromUtf8(Background), background});
    // Each lit face is painted on the bare ground, so its corners blend in.
    for (const MenuButton& button : Buttons) {
        QImage lit = ground;
        QPainter painter(&lit);
        style::DrawFace(painter, button.place, QString::fromUtf8(button.caption), QString::fromUtf8(button.english),
                        true);
        painter.end();
        pictures.push_back({QString::fromUtf8(button.twinPicture), Crop(lit, button.place)});
    }
    return pictures;
}
