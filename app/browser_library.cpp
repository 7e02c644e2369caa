#include "app/browser_library.h"

#include <QtGlobal>
#include <type_traits>

#include "app/frm_webbrowser.h"

extern "C" Q_DECL_EXPORT QDialog* MorvendaCreateBrowserWindow(QWidget* parent, PageSource pages) {
    static_assert(std::is_same_v<decltype(&MorvendaCreateBrowserWindow), BrowserWindowFactory>);
    return new TfrmWebbrowser(pages, parent);
}
