#pragma once
// Values put into controls from elsewhere than the user (the settings file, which may have been
// edited by hand) meet the same limits as the user's input: setText() bypasses an edit's
// validator, and a list takes any index.

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QValidator>

// The text when the edit's validator takes it, else the edit is left empty, as for a value the
// file does not hold.
inline void SetAcceptedText(QLineEdit* edit, const QString& text) {
    QString checked = text;
    int position = 0;
    const QValidator* validator = edit->validator();
    const bool accepted =
        !validator || validator->validate(checked, position) != QValidator::Invalid;
    edit->setText(accepted ? text : QString());
}

// An index the list does not have leaves it without a selection.
inline void SetAcceptedIndex(QComboBox* list, int index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}
