// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the set's metadata as a freedesktop key file.
#include "cardmaker/SetMetadata.h"

#include "settings/CardSetInfo.h"

namespace tavro::cardmaker {

QByteArray SetMetadataText(const QString& setName, const QStringList& pictureNames) {
    QString text = QStringLiteral("[") + QLatin1String(kCardSetInfoGroup) +
                   QStringLiteral("]\nName=") + EscapeKeyFileValue(setName) + u'\n';
    for (qsizetype n = 1; n <= pictureNames.size(); ++n) {
        text += QStringLiteral("Picture%1=%2\n")
                    .arg(QString::number(n), EscapeKeyFileValue(pictureNames[n - 1]));
    }
    return text.toUtf8();
}

}  // namespace tavro::cardmaker
