// The windows whose size is given in twips look the same at every DPI: the window and each of its
// elements scale with the screen's twips per pixel, the fonts keep their point sizes, and the
// pictures are drawn at the size they are shown at. Desktop notes keep the pixels they stored.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numeric>

#include "alarm/alarm_dialog.h"
#include "alarm/message_window.h"
#include "app/artwork_canvas.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/window_look.h"
#include "notes/note_fixture.h"
#include "support/app_fixture.h"
#include "support/twips_windows.h"

namespace {

using platform::ControlKind;
using platform::Rect;
using testing_support::kTwipsWindows;
using testing_support::TwipsWindow;

// The program on a screen of the given twips per pixel.
struct Program : testing_support::DpiProgram {
    explicit Program(double twipsPerPixel) : DpiProgram(static_cast<int>(std::lround(1440 / twipsPerPixel))) {}
};

int Scaled(int at96, double twipsPerPixel) {
    return static_cast<int>(std::lround(at96 * 15 / twipsPerPixel));
}

// 96, 120, 144 and 192 DPI.
class AtEveryDpi : public ::testing::TestWithParam<double> {
protected:
    double tpp() const { return GetParam(); }
};

TEST_P(AtEveryDpi, TwipsWindowsAndEachElementScaleWithTheScreen) {
    Program at96(15);
    Program scaled(tpp());
    ASSERT_TRUE(at96.started);
    ASSERT_TRUE(scaled.started);
    for (const TwipsWindow& window : kTwipsWindows) {
        SCOPED_TRACE(window.name);
        const platform::Form& small = window.form(*at96.module);
        const platform::Form& large = window.form(*scaled.module);
        EXPECT_EQ(large.bounds().w, std::lround(window.widthTwips / tpp()));
        EXPECT_EQ(large.bounds().h, std::lround(window.heightTwips / tpp()));
        ASSERT_EQ(small.controls().size(), large.controls().size());
        for (std::size_t i = 0; i < small.controls().size(); ++i) {
            const platform::Control& from = *small.controls()[i];
            const platform::Control& to = *large.controls()[i];
            SCOPED_TRACE(to.name() + " " + std::to_string(to.index()));
            const Rect a = from.rect();
            const Rect b = to.rect();
            EXPECT_EQ(b.x, Scaled(a.x, tpp()));
            EXPECT_EQ(b.y, Scaled(a.y, tpp()));
            if (to.kind() == ControlKind::Image) {
                // A picture's size scales on its own: the size its picture is drawn at.
                EXPECT_EQ(b.w, Scaled(a.w, tpp()));
                EXPECT_EQ(b.h, Scaled(a.h, tpp()));
            } else {
                // The far edges scale (a line's far end); the size follows them.
                EXPECT_EQ(b.x + b.w, Scaled(a.x + a.w, tpp()));
                EXPECT_EQ(b.y + b.h, Scaled(a.y + a.h, tpp()));
            }
            EXPECT_EQ(to.font().size, from.font().size);
        }
    }
}

TEST_P(AtEveryDpi, NothingIsClippedAndNothingHiddenShows) {
    Program program(tpp());
    ASSERT_TRUE(program.started);
    for (const TwipsWindow& window : kTwipsWindows) {
        SCOPED_TRACE(window.name);
        const platform::Form& form = window.form(*program.module);
        const Rect client{0, 0, form.bounds().w, form.bounds().h};
        for (const auto& control : form.controls()) {
            SCOPED_TRACE(control->name() + " " + std::to_string(control->index()));
            const Rect r = control->rect();
            const bool below = r.y >= client.h;
            const bool inside = r.x >= 0 && r.y >= 0 && r.x + r.w <= client.w && r.y + r.h <= client.h;
            EXPECT_TRUE(inside || below);
            // Drawn at the size it is shown at, so it is never stretched.
            if (control->picture() && control->kind() == ControlKind::Image) {
                EXPECT_EQ(control->picture()->width, r.w);
                EXPECT_EQ(control->picture()->height, r.h);
            }
        }
    }
    app::FrmDiar& diar = *program.module->Diar;
    EXPECT_GE(diar.Focus->rect().y, diar.form().bounds().h);
}

INSTANTIATE_TEST_SUITE_P(Screens, AtEveryDpi, ::testing::Values(15.0, 12.0, 10.0, 7.5));

class NoteAtEveryDpi : public testing_support::NoteTest, public ::testing::WithParamInterface<double> {};

TEST_P(NoteAtEveryDpi, AStoredNoteReopensAtItsStoredPixels) {
    platform.setScreen({2560, 1600, GetParam(), GetParam(), {{0, 0, 2560, 1600}}});
    StoreRecord(3, StoredNote(300, 200, 166, 127, "kept"));
    ASSERT_TRUE(Start());
    ASSERT_EQ(module->Notes.size(), 1u);
    const notes::FrmNote& note = *module->Notes.front();
    EXPECT_EQ(note.form().bounds(), (Rect{300, 200, 166, 127}));
}

INSTANTIATE_TEST_SUITE_P(Screens, NoteAtEveryDpi, ::testing::Values(15.0, 12.0, 10.0, 7.5));

TEST(TwipsLayout, ScalesEachEdgeOrAPicturesSizeOnItsOwnAndSizesTheWindowFromItsTwips) {
    const app::TwipsLayout layout({1024, 768, 12, 12, {}}, 11730, 8100);
    EXPECT_EQ(layout.width(), 782);
    EXPECT_EQ(layout.height(), 540);
    // Edges 12.5, 56.25 and 625, 72.5.
    EXPECT_EQ(layout.Place({10, 45, 490, 13}), (Rect{13, 56, 612, 17}));
    // Size 612.5, 16.25.
    EXPECT_EQ(layout.PlacePicture({10, 45, 490, 13}), (Rect{13, 56, 613, 16}));
    EXPECT_DOUBLE_EQ(layout.pictureScale(), 1.25);
}

// Total opacity of a picture, in whole-pixel units.
double Coverage(const platform::Picture& picture) {
    return std::accumulate(picture.pixels.begin(), picture.pixels.end(), 0.0,
                           [](double sum, std::uint32_t argb) { return sum + (argb >> 24) / 255.0; });
}

TEST(ArtworkCanvas, DrawsAShapeAtAScaleWithItsAreaGrowingByTheSquare) {
    for (const double scale : {1.0, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE(scale);
        app::art::Canvas canvas(20, 20, scale);
        canvas.Fill(app::art::Circle(10, 10, 8), app::art::Argb(255, 0, 0, 0));
        EXPECT_EQ(canvas.picture().width, std::lround(20 * scale));
        const double area = 3.14159265 * 64 * scale * scale;
        EXPECT_NEAR(Coverage(canvas.picture()), area, area * 0.01);
        // The edge stays one screen pixel soft: the centre is solid and a corner empty.
        const int middle = canvas.picture().width / 2;
        EXPECT_EQ(canvas.picture().at(middle, middle) >> 24, 255u);
        EXPECT_EQ(canvas.picture().at(0, 0) >> 24, 0u);
    }
}

}  // namespace
