#include "bjzZhujie.h"
#include "controls/Look.h"

TbjzZhujie* bjzZhujie = nullptr;

TbjzZhujie::TbjzZhujie() : TForm(FormKind::Dialog, 567, 109, QStringLiteral("注解"))
{
    setStyleSheet(look::StyleSheet("TbjzZhujie { background: {Green}; }"
                                   "QToolButton { color: white; font-family: '{Kai}'; font-size: 16px; }"
                                   "QTextEdit { background: {Silver}; color: {Blue}; }"));
    RichEdit1 = new TRichEdit(this, {1, 2, 503, 103});
    RichEdit1->SetFont(look::Kai(), 16, true);
    RichEdit1->MaxLength = 255;
    RichEdit1->WantReturns = false;
    RichEdit1->SetText(QStringLiteral("注解："));
    SpeedButton2 = new TSpeedButton(this, {510, 8, 54, 33}, QStringLiteral("保存"));
    SpeedButton3 = new TSpeedButton(this, {510, 48, 53, 33}, QStringLiteral("修改"));
}
