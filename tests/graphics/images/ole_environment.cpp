// The image tests initialise OLE once on their thread, as the application
// does on its window thread.
#include <gtest/gtest.h>
#include <ole2.h>

namespace {

class OleEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override { OleUninitialize(); }
};

const ::testing::Environment* const gOle = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

}  // namespace
