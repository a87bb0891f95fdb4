#include "identity/app_identity.h"

#include <QDirIterator>

namespace cinq::identity {

QString desktopFileName() {
    return QStringLiteral(CINQUEVOLE_APP_ID);
}

QIcon applicationIcon() {
    QIcon icon;
    // Each PNG lies in a hicolor size folder ("48x48/apps/…"). Given its size, QIcon decodes a
    // file only when that size is first drawn, which keeps the start quick.
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
