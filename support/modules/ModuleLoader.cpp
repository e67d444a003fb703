// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the optional modules; see ModuleLoader.h. QPluginLoader checks that a module was built
// against this Qt before anything of it runs, and keeps the library loaded.
#include "modules/ModuleLoader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QPluginLoader>

namespace tavro {
namespace {

QString& FolderOverride() {
    static QString folder;
    return folder;
}

// One loader per module name; each lives until the program ends, as its module does.
QHash<QString, QPluginLoader*>& Loaders() {
    static QHash<QString, QPluginLoader*> loaders;
    return loaders;
}

}  // namespace

QString ModuleFolder() {
    if (!FolderOverride().isEmpty()) {
        return FolderOverride();
    }
    return QCoreApplication::applicationDirPath() + QStringLiteral("/modules");
}

void SetModuleFolder(const QString& folder) {
    FolderOverride() = folder;
}

QString ModuleFile(const QString& name) {
    return ModuleFolder() + QStringLiteral("/libtavro_") + name + QStringLiteral(".so");
}

QObject* LoadModule(const QString& name, QString* error) {
    QPluginLoader*& loader = Loaders()[name];
    if (loader == nullptr) {
        const QString file = ModuleFile(name);
        // Only a regular file at the full path: a missing module must not send the loader
        // searching the library path for one of the same name.
        if (!QFileInfo(file).isFile()) {
            Loaders().remove(name);
            if (error != nullptr) {
                *error = QStringLiteral("%1 is missing").arg(file);
            }
            return nullptr;
        }
        loader = new QPluginLoader(file);
        // Bound now, so that a module missing a symbol fails here and not at its first call.
        loader->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    }
    QObject* root = loader->instance();
    if (root == nullptr && error != nullptr) {
        *error = loader->errorString();
    }
    return root;
}

bool ModuleLoaded(const QString& name) {
    const QPluginLoader* loader = Loaders().value(name);
    return loader != nullptr && loader->isLoaded();
}

}  // namespace tavro
