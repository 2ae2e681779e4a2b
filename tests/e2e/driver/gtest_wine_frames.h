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

class WineFramesEnvironment : public testing::Environment {
public:
    explicit WineFramesEnvironment(std::initializer_list<std::wstring> programs) : m_programs(programs) {}
    void SetUp() override { m_frames = std::make_unique<WineWindowFrames>(m_programs); }
    void TearDown() override { m_frames.reset(); }

private:
    std::vector<std::wstring> m_programs;
    std::unique_ptr<WineWindowFrames> m_frames;
};

inline bool UseWineFramesDuringTests(std::initializer_list<std::wstring> programs)
{
    testing::AddGlobalTestEnvironment(new WineFramesEnvironment(programs));
    return true;
}

} // namespace e2e
