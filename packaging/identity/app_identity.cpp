#include "identity/app_identity.h"

#include <QDirIterator>

namespace cinq::identity {

QString desktopFileName() {
    return QStringLiteral(CINQUEVOLE_APP_ID);
}

QIcon applicationIcon() {
    QIcon icon;
    // Each PNG lies in a hicolor size folder; QIcon reads its size from the file.
    QDirIterator it(QStringLiteral(":/cinquevole/icons/hicolor"), {QStringLiteral("*.png")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        icon.addFile(it.next());
    }
    return icon;
}

}  // namespace cinq::identity
