#pragma once

#include <cstdint>
#include <string>

namespace rukcon::input {

// What one indicator of the controller picture tells.
enum class IndicatorState { Idle, Held, NoController };

// What the dispatch and the poll cycle show in the main window. The key choices and the caption
// fragment are not here: they are the profile in force, read from the session state.
class DispatchView {
public:
    virtual ~DispatchView() = default;

    // The feedback line ("F1キーを押した", or the controller status between keys). The dispatch
    // writes it once per input; it reads what the line shows only when no key step set a caption.
    virtual std::string shownFeedback() const = 0;
    virtual void setFeedback(const std::string& text) = 0;

    // True while the main window and its controller picture are on screen.
    virtual bool panelShown() const = 0;
    // Moves the keyboard focus to the hidden sink box, so keys that land in our own window
    // while it is in front go nowhere visible.
    virtual void focusSink() = 0;
    // Empties the sink box.
    virtual void clearSink() = 0;

    // Indicator buttons 0 … 13 of the controller picture. Every cycle reports every indicator;
    // the view leaves an unchanged one alone, so an idle controller causes no repainting.
    virtual void showIndicator(int index, IndicatorState state) = 0;
};

// Brings the target program to the front; TargetFound tells whether a window matched.
class TargetActivator {
public:
    virtual ~TargetActivator() = default;
    virtual void ActivateTarget() = 0;
    virtual bool TargetFound() const = 0;
    // A poll cycle's dispatches run between these two, so what cannot change within one cycle
    // (the window list, a target already brought forward) is looked up once per cycle.
    virtual void BeginCycle() = 0;
    virtual void EndCycle() = 0;
};

} // namespace rukcon::input
