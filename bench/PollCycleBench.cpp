// One poll cycle against fakes of the window, the controller, the keyboard and the activation:
// the cost of the logic itself, with nothing held and with every input held.
#include "fakes/FakeDispatchView.h"
#include "fakes/IdlePump.h"
#include "fakes/RecordingSound.h"
#include "fakes/ScriptedController.h"
#include "input/KeyDispatch.h"
#include "input/KeyEmission.h"
#include "input/PollCycle.h"
#include "sound/SoundEffects.h"

#include <benchmark/benchmark.h>

using namespace rukcon;

namespace {

class CountingKeys : public platform::KeyEmitter {
public:
    uint64_t events = 0;
    bool sendKey(uint8_t, bool) override
    {
        ++events;
        return true;
    }
};

class AlwaysFound : public input::TargetActivator {
public:
    void ActivateTarget() override {}
    bool TargetFound() const override { return true; }
    void BeginCycle() override {}
    void EndCycle() override {}
};

struct CycleRig {
    test::ScriptedController device;
    input::ControllerAccess controller{device};
    test::FakeDispatchView view;
    CountingKeys keys;
    test::IdlePump pump;
    input::KeyEmission emission{keys, pump};
    AlwaysFound target;
    test::RecordingSound sound;
    settings::Profile profile;
    input::KeyDispatch dispatch{profile, view, emission, target, sound};
    input::PollCycle cycle{controller, dispatch, emission, view};

    CycleRig(uint32_t x, uint32_t y, uint32_t buttons, int multiplier)
    {
        device.count = 16;
        device.ids[0].position = {x, y, 0, buttons};
        controller.DetectController(input::kStatusAxisMargin);
        cycle.ArrowMultiplier = multiplier;
        profile.captionFragment = "target";
        // Three keys per slot, a held modifier among them, as a busy profile would have.
        for (int slot = 0; slot < 14; ++slot)
            profile.keys[size_t(slot)] = {"SHIFT", "-A-", "F5"};
        profile.keys[14][0] = "F24";
    }
};

void BM_PollCycle_nothingHeld(benchmark::State& state)
{
    CycleRig rig(32767, 32767, 0, 1);
    for (auto _ : state)
        rig.cycle.Run();
    benchmark::DoNotOptimize(rig.keys.events);
}
BENCHMARK(BM_PollCycle_nothingHeld);

// Buttons 1 … 10 and a diagonal (two directions: a stick cannot hold all four at once) at
// multiplier 10: 10 button inputs and 20 stick inputs per cycle.
void BM_PollCycle_allHeldMultiplier10(benchmark::State& state)
{
    CycleRig rig(0, 0, 0x3FF, 10);
    for (auto _ : state)
        rig.cycle.Run();
    state.counters["key events/cycle"] =
        benchmark::Counter(static_cast<double>(rig.keys.events) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PollCycle_allHeldMultiplier10);

} // namespace

BENCHMARK_MAIN();
