#include "app/site_scheme.h"

#include <QBuffer>
#include <QByteArray>
#include <QUrl>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "online/site_addresses.h"

void RegisterSiteScheme() {
    QWebEngineUrlScheme scheme(QByteArray::fromRawData(
        morvenda::SiteScheme.data(), static_cast<int>(morvenda::SiteScheme.size())));
    // Host syntax keeps "site" and "soft" apart; as a local scheme no page from the network may
    // load it.
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

SiteSchemeHandler::SiteSchemeHandler(PageSource pages, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), pages_(pages) {}

void SiteSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    if (job->requestMethod() != QByteArrayLiteral("GET")) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const std::string address = job->requestUrl().toString(QUrl::FullyEncoded).toStdString();
    auto* body = new QBuffer(job);
    body->setData(QByteArray::fromStdString(pages_(address)));
    job->reply(QByteArrayLiteral("text/html"), body);
}
