#include "app/Application.h"

#include "input/KeyTable.h"
#include "ui/Form1.h"
#include "ui/MultiRowTabWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

namespace rukcon::app {

namespace {

// The key-choice drop-down lists of the window, for the key table to fill.
class FormKeyLists : public input::KeyChoiceLists {
public:
    explicit FormKeyLists(ui::Form1& form) : m_form(form) {}
    void appendItem(int position, int slot, const std::string& name) override
    {
        QComboBox* box = position == 0   ? m_form.combo1(slot)
                         : position == 1 ? m_form.combo3(slot)
                                         : m_form.combo4(slot);
        // Appending never changes what the box shows, though Qt selects the first item added.
        const QString shown = box->currentText();
        box->addItem(QString::fromStdString(name));
        if (box->currentText() != shown)
            box->setEditText(shown);
    }

private:
    ui::Form1& m_form;
};

// Sets a bar and makes sure its handler runs once, also when the value is unchanged.
bool setBarValue(QScrollBar* bar, int value, void (Application::*handler)(int), Application* app)
{
    if (value < bar->minimum() || value > bar->maximum())
        return false;
    if (bar->value() == value)
        (app->*handler)(value);
    else
        bar->setValue(value); // valueChanged runs the handler
    return true;
}

} // namespace

Application::Application(PlatformParts parts, std::string appFolder)
    : m_platform(std::move(parts)), m_appFolder(std::move(appFolder)), m_form(std::make_unique<ui::Form1>()),
      m_messages(m_form.get()), m_sound(*m_platform.sound, m_messages), m_view(*m_form), m_captionBox(*m_form),
      m_target(*m_platform.windows, m_captionBox, m_sound), m_activator(m_target),
      m_controllerAccess(*m_platform.controller), m_keyEmission(*m_platform.keys, m_pump),
      m_dispatch(m_view, m_keyEmission, m_activator, m_sound),
      m_pollCycle(m_controllerAccess, m_dispatch, m_keyEmission, m_view)
{
    connect(m_form->timer1(), &QTimer::timeout, this, &Application::onPollTick);
    connect(m_form->timer2(), &QTimer::timeout, this, &Application::onStatusTick);
    connect(m_form->hScroll1(), &QScrollBar::valueChanged, this, &Application::onReactionTimeSet);
    connect(m_form->hScroll2(), &QScrollBar::valueChanged, this, &Application::onArrowMultiplierSet);
    // Settings mode shows the tabs, operation mode the controller picture.
    connect(m_form->check1(), &QCheckBox::toggled, m_form.get(), &ui::Form1::showSettingsArea);
}

Application::~Application() = default;

bool Application::setReactionTime(int ms)
{
    return setBarValue(m_form->hScroll1(), ms, &Application::onReactionTimeSet, this);
}

bool Application::setArrowMultiplier(int times)
{
    return setBarValue(m_form->hScroll2(), times, &Application::onArrowMultiplierSet, this);
}

void Application::onReactionTimeSet(int value)
{
    m_form->label5()->setText(QString::number(value));
    m_pollCycle.ReactionTime = value;
    m_form->timer1()->setInterval(value);
}

void Application::onArrowMultiplierSet(int value)
{
    m_form->label8()->setText(QString::number(value));
    m_pollCycle.ArrowMultiplier = value;
}

void Application::start()
{
    m_startupPending = true;
    m_form->check1()->setChecked(true);
    m_paused = true; // nothing is polled while start-up runs
    for (int slot = 0; slot < input::kSlotCount; ++slot) {
        for (QComboBox* box : {m_form->combo1(slot), m_form->combo3(slot), m_form->combo4(slot)}) {
            box->clear();
            box->setEditText(QStringLiteral("なし"));
        }
    }
    // The four stick directions default to the arrow keys.
    m_form->combo1(10)->setEditText(QStringLiteral("←"));
    m_form->combo1(11)->setEditText(QStringLiteral("→"));
    m_form->combo1(12)->setEditText(QStringLiteral("↑"));
    m_form->combo1(13)->setEditText(QStringLiteral("↓"));
    FormKeyLists lists(*m_form);
    input::FillKeyLists(lists);
    setArrowMultiplier(1);
    setReactionTime(128);
    m_form->text2()->setText(QString());
    m_form->combo2()->setEditText(QString());

    m_target.ActivateTarget();
    m_paused = false;
    m_form->ssTab1()->setCurrentIndex(0);
    m_sound.InitSound(m_appFolder);
    m_sound.playClick();

    m_form->timer1()->start();
    m_form->timer2()->start();
    m_form->show();
}

void Application::onPollTick()
{
    m_pollCycle.Tick(m_form->check1()->isChecked(), m_paused);
}

void Application::onStatusTick()
{
    m_controllerAccess.DetectController(input::kStatusAxisMargin);
    m_form->label6()->setText(QString::fromStdString(
        input::ControllerStatusText(m_controllerAccess.controllerId(), m_controllerAccess.buttonCount())));

    // The first tick after start-up leaves settings mode, so polling starts only after a detection.
    if (m_startupPending) {
        m_form->check1()->setChecked(false);
        m_startupPending = false;
    }
}

} // namespace rukcon::app
