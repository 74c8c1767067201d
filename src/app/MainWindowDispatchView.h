#pragma once

#include "input/DispatchView.h"

namespace rukcon::ui {
class MainWindow;
}

namespace rukcon::app {

// The dispatch's and the poll cycle's view of the main window's controls.
class MainWindowDispatchView : public input::DispatchView {
public:
    explicit MainWindowDispatchView(ui::MainWindow& form) : m_form(form) {}

    std::string shownFeedback() const override;
    void setFeedback(const std::string& text) override;
    bool panelShown() const override;
    void focusSink() override;
    void clearSink() override;
    void showIndicator(int index, input::IndicatorState state) override;

private:
    ui::MainWindow& m_form;
};

} // namespace rukcon::app
