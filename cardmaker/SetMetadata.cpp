// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the set's metadata as a freedesktop key file.
#include "cardmaker/SetMetadata.h"

#include "settings/CardSetInfo.h"

namespace tavro::cardmaker {

QString EscapeKeyFileValue(const QString& value) {
    QString escaped;
    escaped.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\') {
            escaped += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            escaped += QStringLiteral("\\n");
        } else if (c == u'\t') {
            escaped += QStringLiteral("\\t");
        } else if (c == u'\r') {
            escaped += QStringLiteral("\\r");
        } else if (c == u' ' && i == 0) {
            escaped += QStringLiteral("\\s");
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QByteArray SetMetadataText(const QString& setName, const QStringList& pictureNames) {
    QString text = QStringLiteral("[") + QLatin1String(kCardSetInfoGroup) +
                   QStringLiteral("]\nName=") + EscapeKeyFileValue(setName) + u'\n';
    for (qsizetype n = 1; n <= pictureNames.size(); ++n) {
        text +=
            QStringLiteral("Picture%1=%2\n").arg(n).arg(EscapeKeyFileValue(pictureNames[n - 1]));
    }
    return text.toUtf8();
}

}  // namespace tavro::cardmaker
