// SPDX-License-Identifier: GPL-3.0-or-later
// The program's optional parts (the sounds, the record of games, the statistics window) are Qt
// plugins of our own in the "modules" folder beside the executable, loaded on first use: the
// libraries they need (Qt Multimedia, Qt SQL, Qt Charts) then stay out of the start-up. A module
// is looked for there only, by its full path, never through the library search path. Once
// loaded, a module and its root object stay until the program ends.
#pragma once

#include <QObject>
#include <QString>

namespace tavro {

// The folder the modules are loaded from: "modules" beside the executable, unless a test has
// pointed it elsewhere.
QString ModuleFolder();
void SetModuleFolder(const QString& folder);

// The file of module `name` ("sounds" is "libtavro_sounds.so") in the module folder.
QString ModuleFile(const QString& name);

// The root object of module `name`, loading it the first time. Null when it can't be loaded,
// with the reason (in English, for a log or a message's details) in `error` when given.
QObject* LoadModule(const QString& name, QString* error = nullptr);

// The module's root object as the interface it implements (declared with Q_DECLARE_INTERFACE);
// null when the module can't be loaded or does not implement it.
template <class Interface>
Interface* LoadModuleAs(const QString& name, QString* error = nullptr) {
    QObject* root = LoadModule(name, error);
    auto* module = qobject_cast<Interface*>(root);
    if (root != nullptr && module == nullptr && error != nullptr) {
        *error =
            QStringLiteral("%1 does not implement the expected interface").arg(ModuleFile(name));
    }
    return module;
}

// Whether module `name` has been loaded in this process (for tests and benchmarks).
bool ModuleLoaded(const QString& name);

}  // namespace tavro
