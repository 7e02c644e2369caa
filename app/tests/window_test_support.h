#pragma once
// What every window test needs besides the user's input: the window's components by name and a
// message-box interface that records what it was asked to show instead of showing it.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <filesystem>
#include <system_error>

#include "app/message_boxes.h"
#include "settings/program_settings.h"

class RecordedMessageBoxes final : public MessageBoxes {
  public:
    void Information(QWidget*, const QString& text) override { information << text; }
    void Error(QWidget*, const QString& text) override { errors << text; }

    bool NoneShown() const { return information.isEmpty() && errors.isEmpty(); }

    QStringList information;
    QStringList errors;
};

// The component of that objectName under root; a test that names a missing one stops at once,
// since every later step would only fail less clearly.
template <class Widget>
Widget* Component(const QObject* root, const char* name) {
    auto* widget = root->findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        qFatal("no component %s", name);
    }
    return widget;
}

// Every window a test makes starts as on the first start after installing: the settings file
// an earlier test's run saved would otherwise be its input.
inline void ForgetSavedSettings() {
    std::error_code ignored;
    std::filesystem::remove(morvenda::SettingsFilePath(), ignored);
}
