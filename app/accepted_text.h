#pragma once
// Text put into an edit from elsewhere than the keyboard (the settings file, which may have been
// edited by hand) meets the same limit as typed text: setText() bypasses the edit's validator.

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
