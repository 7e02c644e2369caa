#pragma once
// The filter dialog as a user meets it: it shows modally from a click in the main window, so the
// answer is given from the event loop once the dialog is up, by clicking and typing on its tabs.

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/frm_select.h"
#include "app/tests/user_input.h"

class FilterDialogUser {
  public:
    explicit FilterDialogUser(TfrmSelect* dialog) : dialog_(dialog) {}

    // Brings the control's tab to the front first, as the user must to reach it.
    void Click(const char* name) {
        QWidget* widget = dialog_->findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY2(widget != nullptr, name);
        auto* pages = dialog_->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(widget)) {
                pages->setCurrentIndex(i);
            }
        }
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    void Type(const char* name, const QString& text) {
        auto* edit = dialog_->findChild<QLineEdit*>(QString::fromLatin1(name));
        QVERIFY2(edit != nullptr, name);
        edit->setFocus();
        ::Type(edit, text);
    }

  private:
    TfrmSelect* dialog_;
};

// Clicks the button that shows the dialog and answers it; true when the answer was given and
// the dialog is gone again.
inline bool AnswerFilterDialog(TfrmSelect* dialog, QWidget* button,
                               const std::function<void(FilterDialogUser&)>& answer) {
    bool answered = false;
    QTimer::singleShot(0, dialog, [&] {
        if (dialog->isVisible() && dialog->isModal()) {
            FilterDialogUser user(dialog);
            answer(user);
            answered = true;
        }
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return answered && !dialog->isVisible();
}
