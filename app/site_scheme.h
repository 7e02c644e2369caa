#pragma once
// The stand-in site inside the browser window: the scheme of the program's base addresses and
// the handler that answers it with the pages the program hands over.

#include <QWebEngineUrlSchemeHandler>

#include "app/browser_library.h"

// Makes the scheme known to the browser engine; only takes effect before the engine's first
// object is made.
void RegisterSiteScheme();

class SiteSchemeHandler final : public QWebEngineUrlSchemeHandler {
    Q_OBJECT

  public:
    SiteSchemeHandler(PageSource pages, QObject* parent);
    void requestStarted(QWebEngineUrlRequestJob* job) override;

  private:
    PageSource pages_;
};
