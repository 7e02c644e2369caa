#pragma once
// Every message the main window shows goes through this interface, so the window never opens
// a modal loop itself: the program answers with real dialogs, tests with a recorder.

#include <QString>

class QWidget;

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // An information icon and one button, "确定".
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // A failed operation: its message, an error icon and one button, "确定".
    virtual void Error(QWidget* parent, const QString& text) = 0;
};

// The program's own boxes, titled with the application's name.
class DialogMessageBoxes final : public MessageBoxes {
public:
    void Information(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
};
