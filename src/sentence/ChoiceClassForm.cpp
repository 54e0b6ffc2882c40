#include "ChoiceClassForm.h"

#include <QCoreApplication>

TChoiceClassForm* ChoiceClassForm = nullptr;

TChoiceClassForm::TChoiceClassForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("ChoiceClassForm")) {}

void TChoiceClassForm::FormCreate()
{
    MoveToTopLeft();
    FAppDir = GetAppDir();
}

QString TChoiceClassForm::GetAppDir() { return QCoreApplication::applicationDirPath() + QLatin1Char('/'); }

void TChoiceClassForm::OpenFirstBook() { FSoundReady = 0; }
