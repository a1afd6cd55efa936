#include "AppIcon.h"

QIcon appIcon() {
    QIcon icon;
    for (int size : {32, 64, 256}) icon.addFile(QStringLiteral(":/quillmar/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}
