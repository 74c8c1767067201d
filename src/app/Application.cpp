#include "app/Application.h"

#include "input/KeyTable.h"
#include "ui/Form1.h"
#include "ui/MultiRowTabWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

settings::SettingsWindow settingsWindowOf(FormSettingsWindow& w)
{
    return {w, w, w, w, w, w, w};
}

} // namespace

Application::Application(PlatformParts parts, std::filesystem::path appFolder, std::unique_ptr<settings::Clock> clock)
    : m_platform(std::move(parts)), m_appFolder(std::move(appFolder)),
      m_clock(clock ? std::move(clock) : std::make_unique<settings::SystemClock>()),
      m_form(std::make_unique<ui::Form1>()), m_messages(m_form.get()), m_sound(*m_platform.sound, m_messages),
      m_view(*m_form), m_captionBox(*m_form), m_target(*m_platform.windows, m_captionBox, m_sound),
      m_activator(m_target), m_controllerAccess(*m_platform.controller), m_keyEmission(*m_platform.keys, m_pump),
      m_dispatch(m_view, m_keyEmission, m_activator, m_sound),
      m_pollCycle(m_controllerAccess, m_dispatch, m_keyEmission, m_view), m_timing(*m_form, m_pollCycle),
      m_settingsWindow(*m_form, m_timing, m_sound),
      m_store(m_appFolder, settingsWindowOf(m_settingsWindow), *m_clock, m_disk)
{
    connect(m_form->timer1(), &QTimer::timeout, this, &Application::onPollTick);
    connect(m_form->timer2(), &QTimer::timeout, this, &Application::onStatusTick);
    // Settings mode shows the tabs, operation mode the controller picture.
    connect(m_form->check1(), &QCheckBox::toggled, m_form.get(), &ui::Form1::showSettingsArea);
}

Application::~Application() = default;

void Application::resetKeyChoices()
{
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
}

void Application::start()
{
    m_startupPending = true;
    m_form->check1()->setChecked(true);
    m_paused = true; // nothing is polled while start-up runs
    m_form->setWindowTitle(QStringLiteral("R・U・Kコン"));
    resetKeyChoices();
    FormKeyLists lists(*m_form);
    input::FillKeyLists(lists);

    m_store.geometry().LoadWindowGeometry();
    m_store.userDefault().LoadUserDefault();
    m_store.lastExit().LoadLastExit();
    m_store.menu().LoadUserMenu();
    m_store.menu().RefreshMenuLabels();

    m_target.ActivateTarget();
    m_paused = false;
    m_form->ssTab1()->setCurrentIndex(0);
    m_form->combo3(14)->hide();
    m_form->combo4(14)->hide();
    m_sound.InitSound(m_appFolder.string());
    m_sound.playClick();

    // From here on a failing step is skipped and start-up goes on.
    m_store.folder().EnsureHistoryFolder();
    m_settingsWindow.SyncTrayUserMenu();
    m_store.layout().LoadButtonLayout();
    m_form->check3()->hide();
    m_form->command(13)->hide();
    m_form->command(12)->hide();
    m_form->check1()->hide();

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
