#include "bjzZhujie.h"

TbjzZhujie* bjzZhujie = nullptr;

namespace {

QToolButton* FlatButton(QWidget* parent, const QString& caption, const LayoutRect& place)
{
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setGeometry(place.Left, place.Top, place.Width, place.Height);
    return button;
}

} // namespace

TbjzZhujie::TbjzZhujie() : TForm(FormKind::Dialog, 567, 109, QStringLiteral("注解"))
{
    setStyleSheet(QStringLiteral("TbjzZhujie { background: #008000; }"
                                 "QToolButton { color: white; font-family: '楷体_GB2312'; font-size: 16px; }"
                                 "QTextEdit { background: #c0c0c0; color: #0000ff; }"));
    RichEdit1 = new TRichEdit(this, {1, 2, 503, 103});
    RichEdit1->SetFont(QStringLiteral("楷体_GB2312"), 16, true);
    RichEdit1->MaxLength = 255;
    RichEdit1->WantReturns = false;
    RichEdit1->SetText(QStringLiteral("注解："));
    SpeedButton2 = FlatButton(this, QStringLiteral("保存"), {510, 8, 54, 33});
    SpeedButton3 = FlatButton(this, QStringLiteral("修改"), {510, 48, 53, 33});
}
