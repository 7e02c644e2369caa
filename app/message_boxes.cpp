#include "app/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

void DialogMessageBoxes::Information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

void DialogMessageBoxes::Error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}
