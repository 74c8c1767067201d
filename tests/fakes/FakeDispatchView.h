#pragma once

#include "input/DispatchView.h"
#include "settings/Profile.h"

#include <array>
#include <string>

namespace rukcon::test {

// The window as the dispatch and the poll cycle see it: the feedback line, the sink box and
// 14 indicators that count the reports they get.
class FakeDispatchView : public input::DispatchView {
public:
    std::string feedbackText;
    int feedbackWrites = 0;
    bool panel = false;
    int focusMoves = 0;
    std::string sink = "typed";
    std::array<input::IndicatorState, settings::kInputCount> indicators{};
    int indicatorReports = 0;

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
