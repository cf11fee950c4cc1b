// How many handles of each kind the process holds, for leak tests. Windows reports GDI and
// USER objects through GetGuiResources and kernel handles through GetProcessHandleCount;
// Wine answers 0 to all three, so each count also looks the handles up one by one and takes
// whichever finds more.
#pragma once

namespace testing_support {

struct HandleCounts {
    int kernel;
    int gdi;
    int user;
};

HandleCounts handleCounts();

}  // namespace testing_support
