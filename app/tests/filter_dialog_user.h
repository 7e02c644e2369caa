#pragma once
// The filter dialog as a user drives it while a run shows it modally: a click shows the page
// holding the control first, typing goes through the input method, list items are picked. The
// answer is given from the event loop once the dialog is up.

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/frm_select.h"
#include "app/tests/user_input.h"
#include "app/tests/window_test_support.h"

class DialogUser {
  public:
    explicit DialogUser(TfrmSelect* dialog) : dialog_(dialog) {}

    void Click(const char* name) {
        QWidget* widget = Shown(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    void Type(const char* name, const QString& text) {
        QWidget* edit = Shown(name);
        edit->setFocus();
        ::Type(edit, text);
    }
    // Replaces a spin edit's number by typing it.
    void TypeNumber(const char* name, int value) {
        auto* spin = qobject_cast<QSpinBox*>(Shown(name));
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(value));
    }
    void Pick(const char* name, const QString& text) {
        ::Pick(qobject_cast<QComboBox*>(Shown(name)), text);
    }

  private:
    QWidget* Shown(const char* name) {
        QWidget* widget = Component<QWidget>(dialog_, name);
        auto* pages = Component<QTabWidget>(dialog_, "PageControl1");
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(widget)) {
                pages->setCurrentIndex(i);
            }
        }
        return widget;
    }

    TfrmSelect* dialog_;
};

// Clicks the button that shows the dialog and answers it; true when the dialog was up, modal,
// answered, and is gone again.
inline bool AnswerFilterDialog(TfrmSelect* dialog, QWidget* button,
                               const std::function<void(DialogUser&)>& answer) {
    bool answered = false;
    QTimer::singleShot(0, dialog, [&] {
        if (dialog->isVisible() && dialog->isModal()) {
            DialogUser user(dialog);
            answer(user);
            answered = true;
        }
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return answered && !dialog->isVisible();
}
