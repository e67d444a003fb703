// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the translators. They are children of the application object, so they live as long as
// it does; deleting one also takes it out of the application.
#include "translations/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tavro {
namespace {

const QString kTranslatorName = QStringLiteral("tavro-translator");

bool Install(const QLocale& locale, const QString& fileName, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(kTranslatorName);
    if (!translator->load(locale, fileName, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace

bool InstallTranslations(const QLocale& locale) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        return false;
    }
    const auto previous =
        app->findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly);
    qDeleteAll(previous);
    Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return Install(locale, QStringLiteral("tavro"), QStringLiteral(":/translations"));
}

}  // namespace tavro
