// SPDX-License-Identifier: GPL-3.0-or-later
// A module for the loader's test: its root object implements ProbeInterface.
#include <QObject>

#include "modules/ProbeInterface.h"

namespace tavro {

class ProbeModule : public QObject, public ProbeInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.tavro_memory.test.Probe/1")
    Q_INTERFACES(tavro::ProbeInterface)
public:
    QString Greeting() const override { return QStringLiteral("probe"); }
};

}  // namespace tavro

#include "ProbeModule.moc"
