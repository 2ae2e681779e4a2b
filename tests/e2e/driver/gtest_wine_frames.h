#pragma once
// For GoogleTest programs: Wine-drawn window frames (see WineWindowFrames)
// for the named programs during the whole test run. Besides the frames this
// saves time: without a window manager (Xvfb), Wine waits two seconds for
// one each time a managed window is hidden, so every program's exit would
// take two seconds longer. Register once, in one source file of the test:
//
//   const bool kWineFrames = e2e::UseWineFramesDuringTests({L"trenvika.exe"});
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "screenshot.h"

namespace e2e {

inline bool UseWineFramesDuringTests(std::initializer_list<std::wstring> programs)
{
    struct Frames : testing::Environment {
        std::vector<std::wstring> programs;
        std::unique_ptr<WineWindowFrames> frames;
        void SetUp() override { frames = std::make_unique<WineWindowFrames>(programs); }
        void TearDown() override { frames.reset(); }
    };
    auto* environment = new Frames;
    environment->programs = programs;
    testing::AddGlobalTestEnvironment(environment); // which owns it
    return true;
}

} // namespace e2e
