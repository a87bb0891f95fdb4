#include "identity/app_identity.h"

#include <QDirIterator>

namespace cinq::identity {

QString desktopFileName() {
    return QStringLiteral(CINQUEVOLE_APP_ID);
}

QIcon applicationIcon() {
    QIcon icon;
    // Each PNG lies in a hicolor size folder ("48x48/apps/…"). Given its size, QIcon decodes a
    // file only when that size is first drawn; but a window on X11 takes every size as soon as
    // it bears the icon, so the program gives it to its windows after their first frame.
    QDirIterator it(QStringLiteral(":/cinquevole/icons/hicolor"), {QStringLiteral("*.png")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString folder = path.section(QLatin1Char('/'), -3, -3);
        const int side = folder.section(QLatin1Char('x'), 0, 0).toInt();
        icon.addFile(path, side > 0 ? QSize(side, side) : QSize());
    }
    return icon;
}

}  // namespace cinq::identity
