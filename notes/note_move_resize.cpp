// The note has no system frame: its title moves it, its grip resizes it, and the layout keeps
// the frame at the window's edges and the window at its minimum size.
#include <algorithm>

#include "notes/note_window.h"

namespace notes {

namespace {

constexpr int kMinimumWidth = 120;
constexpr int kMinimumHeight = 50;

}  // namespace

void FrmNote::Layout() {
    // While rolled up only the title strip shows; the elements keep their places.
    if (RolledUp != 0) return;
    const platform::Rect window = form_->bounds();
    const int w = window.w;
    const int h = window.h;
    TopTitle->resize(std::max(w - 26, 0), TopTitle->rect().h);
    LabelTit->resize(std::max(w - 26, 0), LabelTit->rect().h);
    ButClose->move(w - 14, ButClose->rect().y);
    BorderRight->move(w - 3, BorderRight->rect().y);
    BorderRight->resize(BorderRight->rect().w, std::max(h - 19, 0));
    BorderLeft->resize(BorderLeft->rect().w, std::max(h - 19, 0));
    BorderBot->move(BorderBot->rect().x, h - 3);
    BorderBot->resize(w, BorderBot->rect().h);
    // Each correction runs the layout again with the corrected size.
    if (form_->bounds().w < kMinimumWidth) form_->resize(kMinimumWidth, form_->bounds().h);
    if (form_->bounds().h < kMinimumHeight) form_->resize(form_->bounds().w, kMinimumHeight);
}

void FrmNote::TitleMouseDown(const platform::MouseEvent& e) {
    module_.DragStartX = e.x;
    module_.DragStartY = e.y;
    if (e.button == platform::kRightButton) {
        TranspOn();
    } else if (e.button == platform::kLeftButton) {
        TranspOff();
    }
}

void FrmNote::TitleMouseMove(const platform::MouseEvent& e) {
    if (e.button == 0 || (e.x == module_.DragStartX && e.y == module_.DragStartY)) return;
    const platform::Rect window = form_->bounds();
    form_->move(window.x + (e.x - module_.DragStartX), window.y + (e.y - module_.DragStartY));
    storedPlace_.reset();
    storedSize_.reset();
}

void FrmNote::GripMouseDown(const platform::MouseEvent& e) {
    module_.DragStartX = e.x;
    module_.DragStartY = e.y;
    ResizeStartWidth = form_->bounds().w;
    ResizeStartHeight = form_->bounds().h;
    NoteText->setVisible(false);
    ButResize->setVisible(false);
}

void FrmNote::GripMouseMove(const platform::MouseEvent& e) {
    if (e.button != platform::kLeftButton) return;
    storedSize_.reset();
    // The grip stays where it was while hidden, so the pointer's offset is the distance moved.
    const int newWidth = ResizeStartWidth + (e.x - module_.DragStartX);
    if (form_->bounds().w > kMinimumWidth || newWidth > form_->bounds().w) {
        form_->resize(newWidth, form_->bounds().h);
    }
    const int newHeight = ResizeStartHeight + (e.y - module_.DragStartY);
    if (form_->bounds().h > kMinimumHeight || newHeight > form_->bounds().h) {
        form_->resize(form_->bounds().w, newHeight);
    }
}

void FrmNote::GripMouseUp() {
    const platform::Rect window = form_->bounds();
    ButResize->move(window.w - 10, window.h - 10);
    NoteText->resize(std::max(window.w - 9, 0), std::max(window.h - 21, 0));
    ButResize->setVisible(true);
    NoteText->setVisible(true);
    // The grip was clicked: it has the focus again (hidden, it had to give it up to the window).
    ButResize->setFocus();
    NoteHeight = window.h;
    NoteSave();
}

}  // namespace notes
