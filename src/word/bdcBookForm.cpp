#include "bdcBookForm.h"
#include "WordPopupsLayout.h"
#include "bdcChoiceForm.h"
#include "controls/Look.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"

#include <QSignalBlocker>

TbdcBookForm* bdcBookForm = nullptr;

TbdcBookForm::TbdcBookForm()
    : TForm(FormKind::Popup, bdcBookLayout::Width, bdcBookLayout::Height, QStringLiteral("bdcBookForm"))
{
    using namespace bdcBookLayout;
    setStyleSheet(look::StyleSheet(
        "QListWidget { background: white; color: {Ink}; border: none; font-family: '{Kai}'; font-size: 21px; }"
        "QListWidget::item { height: 21px; }"
        "QListWidget::item:selected { background: {Accent}; color: {Ink}; }"));
    Image1 = new TImage(this, bdcBookLayout::Image1);
    Image1->SetPicture(SkinPicture(Background));
    BookListBox = new TListBox(this, bdcBookLayout::BookListBox);
    CloseLitImage = HiddenSkinPicture(this, bdcBookLayout::Image2, CloseLit);
    KongImage = new TImage(this, {0, 0, 0, 0});
    KongImage->SetVisible(false);
    Image2 = PictureButton(this, bdcBookLayout::Image2);
    Image2->SetAccessibleCaption(QString::fromUtf8(CloseCaption));
    BindOwnTwinFaces(*Image2, *CloseLitImage, *KongImage);
    BookListBox->OnClick = Bind(this, &TbdcBookForm::BookListBoxClick);
    Image2->OnClick = Bind(this, &TbdcBookForm::Image2Click);
}

void TbdcBookForm::FormCreate() { CentreOverMainScreen(); }

void TbdcBookForm::FillBookList(const TListBox& books)
{
    // Refilling is not a pick: no book is loaded by it.
    const QSignalBlocker quiet(BookListBox);
    BookListBox->Clear();
    for (int i = 0; i < books.Count(); ++i)
        BookListBox->AddItem(books.Item(i));
    BookListBox->SetItemIndex(-1);
}

void TbdcBookForm::BookListBoxClick(QObject*)
{
    if (BookListBox->ItemIndex() < 0)
        return;
    bdcChoiceForm->ResetWordCourse();
    bdcChoiceForm->OpenPickedBook();
    bdcChoiceForm->LoadZu();
    bdcChoiceForm->ShowZuLabels();
    bdcChoiceForm->PlaceLineShape();
    bdcChoiceForm->HideEmptyRows();
}

void TbdcBookForm::Image2Click(QObject*) { Close(); }
