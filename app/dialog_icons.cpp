#include "app/dialog_icons.h"

#include <QApplication>
#include <QStyle>

QIcon CancelButtonIcon() {
    return QApplication::style()->standardIcon(QStyle::SP_DialogCancelButton);
}
