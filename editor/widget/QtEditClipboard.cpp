#include "QtEditClipboard.h"

#include "DisplayText.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

bool QtEditClipboard::setBytes(const std::string& bytes) {
    QClipboard* clipboard = QApplication::clipboard();
    if (!clipboard) return false;
    auto* data = new QMimeData;
    data->setText(displaytext::decode(bytes));
    data->setData(QString::fromLatin1(kBytesMimeType), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    clipboard->setMimeData(data);  // the clipboard owns it
    return true;
}

std::optional<std::string> QtEditClipboard::bytes() const {
    const QClipboard* clipboard = QApplication::clipboard();
    if (!clipboard) return std::nullopt;
    const QMimeData* data = clipboard->mimeData();
    if (!data) return std::nullopt;
    const QString type = QString::fromLatin1(kBytesMimeType);
    if (data->hasFormat(type)) {
        const QByteArray raw = data->data(type);
        return std::string(raw.constData(), static_cast<std::size_t>(raw.size()));
    }
    if (!data->hasText()) return std::nullopt;
    return displaytext::encode(data->text());
}
