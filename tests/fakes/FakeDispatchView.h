#pragma once

#include "input/DispatchView.h"
#include "settings/Profile.h"

#include <array>
#include <string>

namespace rukcon::test {

// The window as the dispatch and the poll cycle see it: 45 key boxes, the fragment, the
// feedback line, the sink box and 14 indicators that count their repaints.
class FakeDispatchView : public input::DispatchView {
public:
    settings::KeyChoices keys; // [slot][position]
    std::string fragment;
    std::string feedbackText;
    int feedbackWrites = 0;
    bool panel = false;
    int focusMoves = 0;
    std::string sink = "typed";
    std::array<uint32_t, 14> colours{};
    int colourWrites = 0;

    FakeDispatchView()
    {
        for (auto& slot : keys)
            slot.fill(settings::kNoKey);
    }

    void setKeys(int slot, std::string first, std::string second, std::string third)
    {
        keys.at(slot) = {std::move(first), std::move(second), std::move(third)};
    }

    std::string keyChoice(int slot, int position) const override { return keys.at(slot).at(position); }
    std::string captionFragment() const override { return fragment; }
    std::string shownFeedback() const override { return feedbackText; }
    void setFeedback(const std::string& text) override
    {
        feedbackText = text;
        ++feedbackWrites;
    }
    bool panelShown() const override { return panel; }
    void focusSink() override { ++focusMoves; }
    void clearSink() override { sink.clear(); }
    uint32_t indicatorColour(int index) const override { return colours.at(index); }
    void setIndicatorColour(int index, uint32_t bgr) override
    {
        colours.at(index) = bgr;
        ++colourWrites;
    }
};

} // namespace rukcon::test
