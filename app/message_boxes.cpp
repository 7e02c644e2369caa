#include "app/message_boxes.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include <algorithm>

namespace {

constexpr int LeastBoxWidth = 280;
// What a window manager's frame takes beside the title: its icon and the close button.
constexpr int TitleFrameAllowance = 160;

// A message box is a dialog to read and close: no minimise or maximise button, and wide enough
// that a window manager shows its whole title rather than a clipped one.
void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(
        icon, QApplication::applicationName(), text, QMessageBox::Ok, parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The box sizes itself to its layout; a spacer across the whole grid sets its least width.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width =
            std::max(LeastBoxWidth,
                     box.fontMetrics().horizontalAdvance(box.windowTitle()) + TitleFrameAllowance);
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

}  // namespace

void DialogMessageBoxes::Information(QWidget* parent, const QString& text) {
    ShowMessageBox(parent, QMessageBox::Information, text);
}

void DialogMessageBoxes::Error(QWidget* parent, const QString& text) {
    ShowMessageBox(parent, QMessageBox::Critical, text);
}
