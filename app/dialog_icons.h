#pragma once
// The pictures of the dialogs' buttons. The main window's buttons that borrow a dialog button's
// picture take it from here, so both always show the same one.

#include <QIcon>

// The filter dialog's cancel button, btn_Cancel.
QIcon CancelButtonIcon();
