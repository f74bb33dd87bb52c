#include "app/program.h"

#include "app/main.h"
#include "app/tray.h"
#include "editing/complete.h"
#include "filters/filter.h"
#include "output/print.h"
#include "settings/options.h"
#include "settings/settingsstore.h"

namespace corvane {

Forms &forms() {
    static Forms all;
    return all;
}

Program::Program()
    : m_autoStart(SettingsStore().readBool(QStringLiteral("Options"), QStringLiteral("AutoStart"), false)) {
    m_main = std::make_unique<TfrmMain>();
    forms().frmMain = m_main.get();
    m_filter = std::make_unique<TfrmFilter>(m_main.get());
    forms().frmFilter = m_filter.get();
    m_main->rowFilter = m_filter->rowFilter();
    m_options = std::make_unique<TfrmOptions>(m_main.get());
    forms().frmOptions = m_options.get();
    m_main->connectOptions(m_options.get());
    // Reading the options hands their done and not-done colours to the filter's panels.
    QObject::connect(m_options.get(), &TfrmOptions::filterColorsChanged, m_filter.get(),
                     &TfrmFilter::setPanelColors);
    m_options->FormCreate();
    m_complete = std::make_unique<TfrmComplete>(m_main->lblDate, m_main.get());
    forms().frmComplete = m_complete.get();
    m_print = std::make_unique<TfrmPrint>(m_main->EsLabel1, m_main.get());
    forms().frmPrint = m_print.get();
}

Program::~Program() {
    m_print.reset();
    m_complete.reset();
    m_options.reset();
    m_main->rowFilter = passAll;
    forms().frmFilter = nullptr;
    m_filter.reset();
    m_main.reset();
    forms() = Forms();
}

void Program::start() {
    if (m_autoStart)
        m_main->tray->startHidden();
    else
        m_main->show();
    m_main->catchUpAlarms();
}

} // namespace corvane
