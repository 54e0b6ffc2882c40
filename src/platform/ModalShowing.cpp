#include "ModalShowing.h"
#include "SeamSlot.h"

#include <QEvent>
#include <QEventLoop>
#include <QWidget>

namespace platform {
namespace {

// Ends the nested loop when the dialog is hidden (closing a form hides it).
class HideWatcher final : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

class NestedLoopShowing final : public ModalShowing {
public:
    int ShowModal(ModalDialog& dialog) override
    {
        QWidget* widget = dialog.DialogWidget();
        dialog.SetModalResult(0);
        widget->setWindowModality(Qt::ApplicationModal);
        widget->show();
        widget->raise();
        widget->activateWindow();
        QEventLoop loop;
        HideWatcher watcher(loop);
        widget->installEventFilter(&watcher);
        if (widget->isVisible())
            loop.exec();
        widget->removeEventFilter(&watcher);
        widget->hide();
        widget->setWindowModality(Qt::NonModal);
        return dialog.ModalResult();
    }
};

SeamSlot<ModalShowing, NestedLoopShowing> slot;

} // namespace

ModalShowing& modalShowing() { return slot.Get(); }
void InstallModalShowing(ModalShowing* showing) { slot.Install(showing); }

} // namespace platform
