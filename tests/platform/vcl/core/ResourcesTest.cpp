#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/core/Resources.h"
#include "tests/platform/vcl/TestComponents.h"

void RegisterVclTestResources();

namespace {

class Resources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterVclTestResources();
        RegisterTestClasses();
    }
};

TEST_F(Resources, FoundByNameWithoutCase) {
    auto blob = FindResource("vcl_test_blob");
    ASSERT_TRUE(blob.has_value());
    EXPECT_EQ(std::string(blob->begin(), blob->end()), "Hello, resources.\n");
    EXPECT_TRUE(FindResource("VCL_TEST_BLOB", TResourceKind::Data));
    EXPECT_FALSE(FindResource("VCL_TEST_BLOB", TResourceKind::Bitmap));
    EXPECT_FALSE(FindResource("NO_SUCH_RESOURCE"));
}

TEST_F(Resources, StringsByNumberOrName) {
    EXPECT_EQ(LoadStr(65001), "Close");
    EXPECT_EQ(LoadStr("SMenuMove"), "&Move\tAlt+M");
    EXPECT_EQ(LoadStr("sdeleterecordquestion"), "Delete record?");
    EXPECT_EQ(LoadStr("SMissing"), "");
}

TEST_F(Resources, FormDescriptionLoadsIntoItsForm) {
    auto form = std::make_unique<TTestForm>(nullptr);
    ASSERT_TRUE(ReadComponentResource(*form, "TTESTFORM"));
    ASSERT_NE(form->btnOK, nullptr);
    EXPECT_EQ(form->btnOK->GetCaption(), "OK");
    EXPECT_FALSE(ReadComponentResource(*form, "TNOFORM"));
}

}  // namespace
