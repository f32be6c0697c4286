// The test classes of the user interface, run one after the other by main().
#pragma once

#include <QObject>

#include <memory>
#include <vector>

std::unique_ptr<QObject> MakeGridCtrlTest();

inline std::vector<std::unique_ptr<QObject>> MakeUiTests()
{
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(MakeGridCtrlTest());
    return tests;
}
