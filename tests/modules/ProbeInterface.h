// SPDX-License-Identifier: GPL-3.0-or-later
// The interface of the probe module the module loader's test builds and loads.
#pragma once

#include <QString>
#include <QtPlugin>

namespace tavro {

class ProbeInterface {
public:
    virtual ~ProbeInterface() = default;
    virtual QString Greeting() const = 0;
};

// Declared but implemented by no module: loading a module as this must fail.
class UnimplementedInterface {
public:
    virtual ~UnimplementedInterface() = default;
};

}  // namespace tavro

Q_DECLARE_INTERFACE(tavro::ProbeInterface, "org.example.tavro_memory.test.Probe/1")
Q_DECLARE_INTERFACE(tavro::UnimplementedInterface, "org.example.tavro_memory.test.None/1")
