#include "bjzhelpForm.h"
#include "controls/Events.h"
#include "controls/Look.h"
#include "media/SpeechEngineCheck.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "sentence/ChoiceClassForm.h"

#include <QFile>

TbjzhelpForm* bjzhelpForm = nullptr;

namespace {

QPushButton* MakeButton(QWidget* parent, const QString& caption, const LayoutRect& place)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place.Left, place.Top, place.Width, place.Height);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

TbjzhelpForm::TbjzhelpForm() : TForm(FormKind::Dialog, 463, 491, QStringLiteral("帮助"))
{
    setStyleSheet(look::StyleSheet(
        "TbjzhelpForm { background: {DialogGround}; }"
        "QPushButton { font-family: '{Kai}'; font-size: 17px; font-weight: bold; color: {Ink};"
        "  background: #ffffff; border: 1px solid {TextSoft}; border-radius: 6px; }"
        "QPushButton:hover { background: {Accent}; border-color: {AccentDeep}; }"
        "QTextEdit { background: #ffffff; border: 1px solid {TextSoft}; }"));
    BitBtn1 = MakeButton(this, QStringLiteral("主要特色"), {23, 14, 99, 34});
    BitBtn2 = MakeButton(this, QStringLiteral("学习方法"), {129, 14, 99, 34});
    BitBtn3 = MakeButton(this, QStringLiteral("主要功能"), {235, 14, 99, 34});
    BitBtn5 = MakeButton(this, QStringLiteral("用户手册"), {341, 14, 99, 34});
    RichEdit1 = new TRichEdit(this, {23, 60, 417, 369});
    RichEdit1->SetReadOnly(true);
    Button1 = MakeButton(this, QStringLiteral("TTS版本"), {23, 442, 120, 34});
    BitBtn4 = MakeButton(this, QStringLiteral("关闭"), {340, 442, 100, 34});

    connect(BitBtn1, &QPushButton::clicked, this, Guarded([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, Guarded([this] { BitBtn2Click(); }));
    connect(BitBtn3, &QPushButton::clicked, this, Guarded([this] { BitBtn3Click(); }));
    connect(BitBtn5, &QPushButton::clicked, this, Guarded([this] { BitBtn5Click(); }));
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(BitBtn4, &QPushButton::clicked, this, Guarded([this] { BitBtn4Click(); }));
}

void TbjzhelpForm::FormCreate()
{
    SetLeft(274);
    SetTop(50);
    FSpeechReady = 0;
    FSpeechReadyText = QStringLiteral("False");
    media::FillSpeechReady(media::CheckSpeechEngine(), FSpeechReady, FSpeechReadyText);
    LoadPage(1);
}

void TbjzhelpForm::LoadPage(int page)
{
    const QString path = HelpPagePath(ChoiceClassForm->FAppDir, page);
    if (QFile::exists(path))
        RichEdit1->LoadFromFile(path);
}

void TbjzhelpForm::BitBtn1Click() { LoadPage(1); }
void TbjzhelpForm::BitBtn2Click() { LoadPage(2); }
void TbjzhelpForm::BitBtn3Click() { LoadPage(3); }

void TbjzhelpForm::BitBtn5Click()
{
    const QString manual = ManualPath(ChoiceClassForm->FAppDir);
    if (QFile::exists(manual))
        platform::shell().Open(manual, this);
}

void TbjzhelpForm::Button1Click() { platform::ShowMessage(SpeechVersionMessage(media::SpeechEngineVersion())); }

void TbjzhelpForm::BitBtn4Click() { SetModalResult(mrOk); }

QString HelpPagePath(const QString& appDir, int page) { return appDir + QStringLiteral("help/%1.rtf").arg(page); }

// The manual is a page the desktop's browser opens; this platform has no
// viewer for compiled help files.
QString ManualPath(const QString& appDir) { return appDir + QStringLiteral("help/manual.html"); }

QString SpeechVersionMessage(const QString& version)
{
    const QString shown = version.isEmpty() ? QStringLiteral("0.0") : version;
    return shown + QStringLiteral("版,如果显示的是0.0版本，说明你未安装TTS,请安装，否则中文无法发音,"
                                  "并请你确认已装有普通话语音，在终端里输入-sudo apt install espeak-ng,"
                                  "安装后即带有普通话语音cmn-latn-pinyin");
}
