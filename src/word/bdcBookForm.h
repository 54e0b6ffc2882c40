#pragma once
// The word book picker, shown modally over the word list: a click on a book
// (or moving the selection with the keys) loads it at once beneath the
// picker, which stays open until its close button.

#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/ListBox.h"

class TbdcBookForm : public TForm {
    Q_OBJECT
public:
    TbdcBookForm();
    void FormCreate() override;

    // Replaces the list's books with `books`' items, none selected.
    void FillBookList(const TListBox& books);

    void BookListBoxClick(QObject* Sender);
    void Image2Click(QObject* Sender);

    TImage* Image1;
    TListBox* BookListBox;
    TkivImage1* Image2;
    TImage* CloseLitImage;
    TImage* KongImage;
};

extern TbdcBookForm* bdcBookForm;
