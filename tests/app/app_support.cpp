// Every test of the shell runs over the headless platform with a user directory of its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/platform.h"

namespace {

class HeadlessPlatform : public ::testing::Environment {
public:
    void SetUp() override
    {
        char dir[] = "/tmp/taltrix-app-test-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        I_Options options;
        options.headless = true;
        options.userDir = dir;
        options.dataDir = TALTRIX_DATA;
        std::string error;
        ASSERT_TRUE(I_Init(options, error)) << error;
    }
    void TearDown() override { I_Shutdown(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new HeadlessPlatform);

}  // namespace
