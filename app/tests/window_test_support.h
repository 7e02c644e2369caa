#pragma once
// What every window test needs besides the user's input: the window's components by name and a
// message-box interface that records what it was asked to show instead of showing it.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QtGlobal>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/frm_main.h"
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

// The date the window tests' clock shows: a leap day.
inline constexpr morvenda::CivilDate TestToday{2024, 2, 29};

// A main window on the test clock, shown and exposed, starting from whatever settings file the
// data folder holds; none when it could not be shown.
inline std::unique_ptr<TfrmMain> ShowMainWindow(MessageBoxes& boxes) {
    auto window = std::make_unique<TfrmMain>(boxes, [] { return TestToday; });
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        return nullptr;
    }
    return window;
}
