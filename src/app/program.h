#pragma once

#include <memory>

namespace corvane {

class TfrmComplete;
class TfrmFilter;
class TfrmMain;
class TfrmOptions;
class TfrmPrint;

// The windows that live from start to end, created in this order by Program. Other windows find them here.
struct Forms {
    TfrmMain *frmMain = nullptr;
    TfrmFilter *frmFilter = nullptr;
    TfrmOptions *frmOptions = nullptr;
    TfrmComplete *frmComplete = nullptr;
    TfrmPrint *frmPrint = nullptr;
};
Forms &forms();

// The running program: creates the long-lived windows in order and destroys them in reverse.
class Program {
public:
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    TfrmMain &main() const { return *m_main; }
    bool autoStart() const { return m_autoStart; }
    // Shows the main window, unless the program is to start out of sight.
    void start();

private:
    bool m_autoStart;
    std::unique_ptr<TfrmMain> m_main;
    std::unique_ptr<TfrmFilter> m_filter;
    std::unique_ptr<TfrmOptions> m_options;
    std::unique_ptr<TfrmComplete> m_complete;
    std::unique_ptr<TfrmPrint> m_print;
};

} // namespace corvane
