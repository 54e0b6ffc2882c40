#include "ScreenSet.h"
#include "bjzMainForm.h"
#include "bjzhelpForm.h"
#include "controls/Application.h"
#include "sentence/ChoiceClassForm.h"
#include "sentence/LinkWordForm.h"
#include "sentence/SenWrongForm.h"
#include "sentence/ThisClassHaveFinishedForm.h"
#include "sentence/TiaoForm.h"
#include "sentence/TotalForm.h"
#include "sentence/bjzReadForm.h"
#include "sentence/bjzTypeSenForm.h"
#include "sentence/bjzZhujie.h"
#include "word/YouRememberForm.h"
#include "word/bdcBookForm.h"
#include "word/bdcChoiceForm.h"
#include "word/bdcClassFinishForm.h"
#include "word/bdcEngToChiForm.h"
#include "word/bdcReadForm.h"
#include "word/bdcTestFinishForm.h"
#include "word/bdcTestForm.h"
#include "word/bdcTypeForm.h"

void CreateScreens(TApplication& application)
{
    // The order matters: the lesson chooser works out the program folder,
    // which the screens after it (help among them) read while being created.
    application.CreateForm(bjzMainForm);
    application.CreateForm(ChoiceClassForm);
    application.CreateForm(bjzReadForm);
    application.CreateForm(ThisClassHaveFinishedForm);
    application.CreateForm(bjzTypeSenForm);
    application.CreateForm(SenWrongForm);
    application.CreateForm(bjzhelpForm);
    application.CreateForm(LinkWordForm);
    application.CreateForm(TotalForm);
    application.CreateForm(bdcChoiceForm);
    application.CreateForm(bdcBookForm);
    application.CreateForm(bdcReadForm);
    application.CreateForm(bdcClassFinishForm);
    application.CreateForm(bdcTestForm);
    application.CreateForm(bdcTestFinishForm);
    application.CreateForm(YouRememberForm);
    application.CreateForm(bdcTypeForm);
    application.CreateForm(bdcEngToChiForm);
    application.CreateForm(bjzZhujie);
    application.CreateForm(TiaoForm);
}
