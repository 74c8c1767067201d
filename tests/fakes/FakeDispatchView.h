#pragma once

#include "input/DispatchView.h"
#include "settings/Profile.h"

#include <array>
#include <string>

namespace rukcon::test {

// The window as the dispatch and the poll cycle see it: 45 key boxes, the fragment, the
// feedback line, the sink box and 14 indicators that count the reports they get.
class FakeDispatchView : public input::DispatchView {
public:
    settings::KeyChoices keys; // [slot][position]
    std::string fragment;
    std::string feedbackText;
    int feedbackWrites = 0;
    bool panel = false;
    int focusMoves = 0;
    std::string sink = "typed";
    std::array<input::IndicatorState, 14> indicators{};
    int indicatorReports = 0;

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
    void showIndicator(int index, input::IndicatorState state) override
    {
        indicators.at(index) = state;
        ++indicatorReports;
    }
};

} // namespace rukcon::test
