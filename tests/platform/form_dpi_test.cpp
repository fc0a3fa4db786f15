// A form and the DPI of its monitor: made at the screen's DPI (or the monitor's it opens on), and
// changed only for a form that follows it, which sees the new DPI and the suggested bounds together.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace {

using platform::Form;
using platform::Rect;
using platform::headless::HeadlessPlatform;

struct MadeAt {
    double twipsPerPixel;
    int newFormDpi;
    int dpi;
};

class FormMadeAt : public ::testing::TestWithParam<MadeAt> {};

TEST_P(FormMadeAt, TakesTheDpiOfTheMonitorItOpensOn) {
    HeadlessPlatform platform;
    const MadeAt made = GetParam();
    platform.setScreen({1920, 1080, made.twipsPerPixel, made.twipsPerPixel, {{0, 0, 1920, 1040}}});
    platform.setNewFormDpi(made.newFormDpi);
    EXPECT_EQ(platform.createForm("FrmTest", "Test")->dpi(), made.dpi);
}

INSTANTIATE_TEST_SUITE_P(Screens, FormMadeAt,
                         ::testing::Values(MadeAt{15, 0, 96}, MadeAt{12, 0, 120}, MadeAt{10, 0, 144},
                                           MadeAt{7.5, 0, 192}, MadeAt{15, 168, 168}, MadeAt{10, 96, 96}));

class FormDpi : public ::testing::Test {
protected:
    FormDpi() : form(platform.createForm("FrmTest", "Test")) { form->setBounds({100, 100, 300, 200}); }

    HeadlessPlatform platform;
    std::unique_ptr<Form> form;
};

TEST_F(FormDpi, AFollowingFormSeesTheNewDpiAndTheSuggestedBoundsInItsHandler) {
    std::vector<std::string> seen;
    form->onResize = [&] { seen.push_back("resize at " + std::to_string(form->dpi())); };
    form->onDpiChanged = [&] {
        seen.push_back("dpi " + std::to_string(form->dpi()) + " " + std::to_string(form->bounds().w));
    };
    platform.changeDpi(*form, 144, {120, 90, 450, 300});
    EXPECT_EQ(seen, (std::vector<std::string>{"resize at 144", "dpi 144 450"}));
    EXPECT_EQ(form->dpi(), 144);
    EXPECT_EQ(form->bounds(), (Rect{120, 90, 450, 300}));
}

TEST_F(FormDpi, AFormThatKeepsItsPixelsIgnoresTheChange) {
    platform.changeDpi(*form, 144, {120, 90, 450, 300});
    EXPECT_EQ(form->dpi(), 96);
    EXPECT_EQ(form->bounds(), (Rect{100, 100, 300, 200}));
}

TEST_F(FormDpi, AClosedFormHearsNothing) {
    int changes = 0;
    form->onDpiChanged = [&] { ++changes; };
    form->close();
    platform.changeDpi(*form, 144, {120, 90, 450, 300});
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(form->dpi(), 96);
}

}  // namespace
