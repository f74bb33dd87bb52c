#pragma once

// A started program for whole-window tests: a fresh sandbox, scripted prompts and dialogs, a fixed now.

#include "app/main.h"
#include "app/program.h"
#include "store/clock.h"
#include "testsupport.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace corvane::test {

class RunningProgram {
public:
    explicit RunningProgram(const QDateTime &moment) {
        setNow(moment);
        program = std::make_unique<Program>();
        main = &program->main();
        program->start();
        exposed = QTest::qWaitForWindowExposed(main);
        QApplication::setActiveWindow(main);
        QApplication::processEvents();
    }
    ~RunningProgram() {
        program.reset();
        setNow(QDateTime());
    }
    RunningProgram(const RunningProgram &) = delete;
    RunningProgram &operator=(const RunningProgram &) = delete;

    Sandbox sandbox;
    FakePrompter prompts;
    ModalScript modal;
    std::unique_ptr<Program> program;
    TfrmMain *main = nullptr;
    bool exposed = false;
};

} // namespace corvane::test
