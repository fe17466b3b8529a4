#include <gtest/gtest.h>
#include "chain_folder.h"
#include "gui_driver.h"
#include "test_support.h"
using namespace testing_support;
TEST(Timing, Stages) {
    DWORD t0 = GetTickCount();
    chain::Stage stage('E');
    stage.PlaceSetup();
    DWORD t1 = GetTickCount();
    Child setup(Quote(stage.Path("SetupUR.exe")));
    HWND main = gui::WaitForWindow(chain::MainTitle('E'), setup.Id());
    DWORD t2 = GetTickCount();
    chain::UncheckOwnPair(main);
    DWORD ta = GetTickCount();
    gui::Click(main, IDOK);
    DWORD t3 = GetTickCount(); printf("uncheck %lu ok %lu\n", ta-t2, t3-ta);
    HWND report = gui::WaitForWindow(chain::ReportTitle('E'), setup.Id(), 60000);
    DWORD t4 = GetTickCount();
    gui::Click(report, 2);
    DWORD tb = GetTickCount();
    setup.Wait(10000); printf("closeclick %lu\n", tb-t4);
    DWORD t5 = GetTickCount();
    printf("stage %lu start %lu click %lu report %lu end %lu\n", t1-t0, t2-t1, t3-t2, t4-t3, t5-t4);
}
