#include "common/DesktopOpener.h"

#include <QDesktopServices>
#include <QGuiApplication>

namespace
{
CDesktopOpener::Opener& OpenerRef()
{
    static CDesktopOpener::Opener opener;
    return opener;
}
} // namespace

bool CDesktopOpener::Open(const QUrl& url)
{
    if (OpenerRef())
        return OpenerRef()(url);
    // Scripts and tests run without a screen: starting a desktop program there would leave it
    // running unseen.
    if (!HasDisplay())
        return false;
    return QDesktopServices::openUrl(url);
}

void CDesktopOpener::SetOpener(Opener opener)
{
    OpenerRef() = std::move(opener);
}

bool CDesktopOpener::HasDisplay()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}
