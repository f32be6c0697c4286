// The test classes of the user interface, run one after the other by main().
#pragma once

#include <QObject>

#include <memory>
#include <vector>

std::unique_ptr<QObject> MakeGridCtrlTest();
std::unique_ptr<QObject> MakeViewTest();
std::unique_ptr<QObject> MakePropertyDlgTest();
std::unique_ptr<QObject> MakeDocTest();
std::unique_ptr<QObject> MakeMainFrameTest();
std::unique_ptr<QObject> MakeMessagePromptTest();
std::unique_ptr<QObject> MakeProgressWndTest();
std::unique_ptr<QObject> MakeTransferTest();
std::unique_ptr<QObject> MakeUploadBackupTest();
std::unique_ptr<QObject> MakeCompareTest();
std::unique_ptr<QObject> MakeFocusTest();
std::unique_ptr<QObject> MakeTransferControllerTest();
std::unique_ptr<QObject> MakeHelpTest();
std::unique_ptr<QObject> MakeGermanTest();
std::unique_ptr<QObject> MakeAccessTest();
std::unique_ptr<QObject> MakePlantUiTest();
std::unique_ptr<QObject> MakeChecksTest();
std::unique_ptr<QObject> MakeWindowsTest();
std::unique_ptr<QObject> MakeTextFilesTest();

inline std::vector<std::unique_ptr<QObject>> MakeUiTests()
{
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(MakeGridCtrlTest());
    tests.push_back(MakeViewTest());
    tests.push_back(MakePropertyDlgTest());
    tests.push_back(MakeDocTest());
    tests.push_back(MakeMainFrameTest());
    tests.push_back(MakeMessagePromptTest());
    tests.push_back(MakeProgressWndTest());
    tests.push_back(MakeTransferTest());
    tests.push_back(MakeUploadBackupTest());
    tests.push_back(MakeCompareTest());
    tests.push_back(MakeFocusTest());
    tests.push_back(MakeTransferControllerTest());
    tests.push_back(MakeHelpTest());
    tests.push_back(MakeGermanTest());
    tests.push_back(MakeAccessTest());
    tests.push_back(MakePlantUiTest());
    tests.push_back(MakeChecksTest());
    tests.push_back(MakeWindowsTest());
    tests.push_back(MakeTextFilesTest());
    return tests;
}
