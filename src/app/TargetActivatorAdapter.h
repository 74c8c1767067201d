#pragma once

#include "input/DispatchView.h"
#include "target/TargetActivation.h"

namespace rukcon::app {

// The dispatch's handle on the activation.
class TargetActivatorAdapter : public input::TargetActivator {
public:
    explicit TargetActivatorAdapter(target::TargetActivation& activation) : m_activation(activation) {}
    void ActivateTarget() override { m_activation.ActivateTarget(); }
    bool TargetFound() const override { return m_activation.targetFound(); }
    void BeginCycle() override { m_activation.beginCycle(); }
    void EndCycle() override { m_activation.endCycle(); }

private:
    target::TargetActivation& m_activation;
};

} // namespace rukcon::app
