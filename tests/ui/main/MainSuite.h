#pragma once

// The start every main window suite shares: the design fonts once, then before each test a fresh
// harness whose main window is shown as the title window leaves it, and after each test none.

#include "MainHarness.h"

#include <QObject>

#include <memory>

class MainSuite : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<MainHarness> h;

private slots:
    void initTestCase() { useDesignFonts(); }
    void init()
    {
        h = std::make_unique<MainHarness>();
        QVERIFY(h->showMain());
    }
    void cleanup() { h.reset(); }
};
