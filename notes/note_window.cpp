#include "notes/note_window.h"

#include <algorithm>
#include <cmath>

#include "app/datafiles.h"
#include "app/monitor_rescue.h"
#include "app/number_text.h"
#include "app/settings.h"
#include "notes/damaged_record.h"
#include "notes/note_artwork.h"
#include "notes/note_bin.h"
#include "notes/note_placement.h"
#include "notes/note_sync.h"

namespace notes {

using platform::ControlKind;
using platform::Rect;

namespace {

constexpr Rect kNewNoteBounds{80, 80, 166, 127};
constexpr int kRolledUpHeight = 15;
constexpr int kTitleLength = 32;
constexpr std::uint8_t kSaveTicks = 10;

platform::Align AlignmentOf(int number) {
    if (number == 1) return platform::Align::Right;
    if (number == 2) return platform::Align::Center;
    return platform::Align::Left;
}

}  // namespace

FrmNote::FrmNote(app::Module& module) : module_(module), form_(module.platform.createForm("FrmNote", "Poznamky")) {
    CreateElements();
    ConnectEvents();

    form_->setBounds(kNewNoteBounds);
    RolledUp = 0;
    NoteID = module_.NoteRecNo;
    if (!module_.NoteRecord.empty()) {
        ApplyRecord();
    } else {
        ApplyDefaultFormat();
        NoteHeight = form_->bounds().h;
        NoteSave();
    }
    TranspOn();
}

void FrmNote::CreateElements() {
    // The design size is the new note's 166 x 127; the layout adapts it to every other size.
    // Later elements lie above earlier ones: the title label takes the strip's mouse input.
    ButMini = &form_->add(ControlKind::Image, "ButMini", {0, 0, 14, 16});
    ButMini->setPicture(MiniButtonPicture());
    ButMini->setTooltip("Set As Default (2-Click)");

    TopTitle = &form_->add(ControlKind::Image, "TopTitle", {12, 0, 140, 16});
    TopTitle->setPicture(TitleStripPicture());
    TopTitle->setStretch(true);

    LabelTit = &form_->add(ControlKind::Label, "LabelTit", {12, 2, 140, 13});
    LabelTit->setTransparent(true);
    LabelTit->setAlignment(platform::Align::Center);
    LabelTit->setFont({"Small Fonts", 6.75, false, 238});
    LabelTit->setForeColor(0);

    ButClose = &form_->add(ControlKind::Image, "ButClose", {152, 0, 14, 16});
    ButClose->setPicture(CloseButtonPicture());
    ButClose->setTooltip("Remove!");

    FTop = &form_->add(ControlKind::Image, "FTop", {15, 5, 5, 6});
    FTop->setPicture(TopMarkerPicture());
    FTop->setVisible(false);

    BorderLeft = &form_->add(ControlKind::Image, "BorderLeft", {0, 16, 4, 108});
    BorderLeft->setPicture(BorderLeftPicture());
    BorderLeft->setStretch(true);
    BorderRight = &form_->add(ControlKind::Image, "BorderRight", {163, 16, 3, 108});
    BorderRight->setPicture(BorderRightPicture());
    BorderRight->setStretch(true);
    BorderBot = &form_->add(ControlKind::Image, "BorderBot", {0, 124, 166, 3});
    BorderBot->setPicture(BorderBottomPicture());
    BorderBot->setStretch(true);

    NoteText = &form_->add(ControlKind::TextBox, "NoteText", {5, 17, 156, 105});
    NoteText->setMultiLine(true);
    NoteText->setMaxLength(kNoteTextLimit);
    NoteText->setAlignment(platform::Align::Center);

    ButResize = &form_->add(ControlKind::PictureBox, "ButResize", {156, 117, 10, 10});
    ButResize->setPicture(GripPicture());
    ButResize->setCursor(platform::Cursor::SizeNwSe);

    Odpocet = &form_->addTimer("Odpocet", 500);
}

void FrmNote::ConnectEvents() {
    form_->onResize = [this] { Layout(); };
    Odpocet->onTick = [this] { CountdownTick(); };

    ButClose->onMouseUp = [this](const platform::MouseEvent& e) {
        if (FTop->visible()) LeaveTopMost();
        if (e.shift == 0 &&
            !module_.platform.askYesNo(app::kProductName, "Remove note?", platform::MessageIcon::Question)) {
            return;
        }
        RemoveNote(app::kProductName);
    };
    ButMini->onMouseUp = [this](const platform::MouseEvent&) { ToggleTopMost(); };
    ButMini->onDblClick = [this] { TakeFormatAsDefault(); };
    FTop->onClick = [this] { LeaveTopMost(); };

    LabelTit->onDblClick = [this] { RollUpOrDown(); };
    LabelTit->onMouseDown = [this](const platform::MouseEvent& e) { TitleMouseDown(e); };
    LabelTit->onMouseMove = [this](const platform::MouseEvent& e) { TitleMouseMove(e); };
    LabelTit->onMouseUp = [this](const platform::MouseEvent&) { NoteSave(); };

    ButResize->onMouseDown = [this](const platform::MouseEvent& e) { GripMouseDown(e); };
    ButResize->onMouseMove = [this](const platform::MouseEvent& e) { GripMouseMove(e); };
    ButResize->onMouseUp = [this](const platform::MouseEvent&) { GripMouseUp(); };
    ButResize->onKeyDown = [this](int key, int shift) { ButResizeKeyDown(key, shift); };

    NoteText->onKeyDown = [this](int key, int shift) { NoteTextKeyDown(key, shift); };
    NoteText->onKeyPress = [this](int& character) { NoteTextKeyPress(character); };
    // A change by any means (the box's own menu too) starts the countdown, as a key does.
    NoteText->onChange = [this] { StartCountdown(); };
    // Alt+F4 loses nothing: the note is saved now and stays open.
    form_->onCloseRequest = [this] { NoteSave(); };
}

void FrmNote::ApplyDefaultFormat() {
    SetBackColor(static_cast<platform::ColorRef>(app::ParseColor(module_.NoteBackColor, kDefaultNoteBackColor)));
    SetForeColor(static_cast<platform::ColorRef>(app::ParseColor(module_.NoteForeColor, 0)));
    platform::Font font = NoteText->font();
    if (!module_.NoteFontName.empty()) font.name = module_.NoteFontName;
    font.bold = app::ParseNumber(module_.NoteFontBold) != 0;
    // A size that cannot be shown, or that the record could not hold, keeps the text box's own.
    if (const double size = app::ParseNumber(module_.NoteFontSize); FontSizeFits(size)) font.size = size;
    NoteText->setFont(font);
    NoteText->setAlignment(AlignmentOf(static_cast<int>(std::lround(app::ParseNumber(module_.NoteAlignment)))));
}

void FrmNote::ApplyRecord() {
    std::string record = module_.NoteRecord;
    if (!IsWrittenNoteString(record)) {
        // Where the record is damaged, the note opens as a new one would: its place, size and
        // the default format stand in for the fields that cannot be read.
        ApplyDefaultFormat();
        NoteHeight = form_->bounds().h;
        record = RepairedNoteString(record, CurrentFields());
    }
    const NoteFields fields = ParseNoteHeader(record);
    const Rect stored{fields.left, fields.top, fields.width, fields.height};
    ShowAt(OpeningBounds(stored, module_.platform.screen()), stored);
    // The text box takes its final size, alignment and font before its text. A Win32 edit box lays
    // its whole text out again at each of them (a new alignment even makes a new box), and under
    // Wine each layout of a long paragraph costs time that grows with its length squared: given
    // last, the text is laid out once.
    const Rect window = form_->bounds();
    NoteText->resize(std::max(window.w - 9, 0), std::max(window.h - 21, 0));
    NoteText->setAlignment(AlignmentOf(fields.alignment));
    platform::Font font = NoteText->font();
    if (!fields.fontName.empty()) font.name = fields.fontName;
    font.bold = fields.bold;
    if (FontSizeFits(fields.fontSize)) font.size = fields.fontSize;
    NoteText->setFont(font);
    SetForeColor(fields.foreColor);
    SetBackColor(fields.backColor);
    NoteText->setText(NoteTextOf(record));
    if (fields.rolledUp) RollUpOrDown();
    ButResize->move(form_->bounds().w - 10, NoteHeight - 10);
}

void FrmNote::ShowAt(const Rect& shown, const Rect& stored) {
    // The record keeps its place until the user moves the note, and its size until the user moves
    // or resizes it: a note goes back when its monitor returns, and a damaged record is not
    // rewritten with numbers the user never chose.
    storedPlace_.reset();
    storedSize_.reset();
    if (shown.x != stored.x || shown.y != stored.y) storedPlace_ = platform::Point{stored.x, stored.y};
    if (shown.w != stored.w || shown.h != stored.h) storedSize_ = Size{stored.w, stored.h};
    // A rolled-up note stays rolled up: only its strip shows, at the new place and width.
    form_->setBounds({shown.x, shown.y, shown.w, RolledUp != 0 ? form_->bounds().h : shown.h});
    NoteHeight = shown.h;
}

void FrmNote::FollowMonitors(const std::vector<Rect>& workAreas) {
    const Rect window = form_->bounds();
    const platform::Point place = storedPlace_.value_or(platform::Point{window.x, window.y});
    const Size size = storedSize_.value_or(Size{window.w, NoteHeight});
    const Rect stored{place.x, place.y, size.width, size.height};
    const Rect shown = app::PlaceOnWorkAreas(stored, workAreas, app::SizeRule::FitWorkArea);
    if (shown == Rect{window.x, window.y, window.w, NoteHeight}) return;
    ShowAt(shown, stored);
    NoteText->resize(std::max(shown.w - 9, 0), std::max(shown.h - 21, 0));
    ButResize->move(shown.w - 10, NoteHeight - 10);
}

NoteFields FrmNote::CurrentFields() const {
    const Rect window = form_->bounds();
    NoteFields fields;
    const platform::Point place = storedPlace_.value_or(platform::Point{window.x, window.y});
    const Size size = storedSize_.value_or(Size{window.w, NoteHeight});
    fields.left = place.x;
    fields.top = place.y;
    fields.width = size.width;
    fields.height = size.height;
    fields.rolledUp = RolledUp == 1;
    fields.alignment = static_cast<int>(NoteText->alignment());
    fields.bold = NoteText->font().bold;
    fields.fontSize = NoteText->font().size;
    fields.fontName = NoteText->font().name;
    fields.foreColor = NoteText->foreColor();
    fields.backColor = NoteText->backColor();
    return fields;
}

std::string FrmNote::CurrentNoteString() const {
    std::string text = NoteText->text();
    if (text.size() > static_cast<std::size_t>(kNoteTextLimit)) text.resize(static_cast<std::size_t>(kNoteTextLimit));
    return BuildNoteString(CurrentFields(), text);
}

void FrmNote::CloseUnsaved() {
    Odpocet->stop();
    form_->close();
}

platform::Status FrmNote::WriteRecord() {
    Odpocet->stop();
    const std::string record = CurrentNoteString();
    app::RecordFile database(module_.platform.files(), module_.Path(app::kNotesFile));
    std::optional<std::string> theirs;
    platform::Status status = database.Write(RecordNumber(), record, LastSeen(module_, RecordNumber(), theirs));
    lastWriteFailed_ = !status;
    if (status) {
        module_.RecordsLastSeen[RecordNumber()] = record;
        if (theirs) KeepOtherCopysNote(module_, RecordNumber(), *theirs);
    }
    return status;
}

void FrmNote::NoteSave() {
    if (platform::Status status = WriteRecord(); !status) {
        module_.platform.showMessage(app::kProductName,
                                     "The note could not be saved in " + module_.Path(app::kNotesFile) + ".\r\n" +
                                         status.error + "\r\n\r\nIts text stays in the open note.",
                                     platform::MessageIcon::Stop);
    }
}

bool FrmNote::SavePending() const {
    return !closed() && (Odpocet->enabled() || lastWriteFailed_);
}

void FrmNote::StartCountdown() {
    SaveCountdown = kSaveTicks;
    Odpocet->start();
}

void FrmNote::CountdownTick() {
    if (SaveCountdown > 0) --SaveCountdown;
    if (SaveCountdown == 0) {
        Odpocet->stop();
        NoteSave();
    }
}

void FrmNote::RemoveNote(const std::string& failureTitle) {
    // Every way a note goes away ends here: it goes into the bin before its record is freed, and
    // stays open when the bin cannot take it.
    const std::string notesPath = module_.Path(app::kNotesFile);
    auto& files = module_.platform.files();
    if (platform::Status status =
            PutInBin(files, module_.DataPath, CurrentNoteString(), RecordNumber(), module_.platform.now());
        !status) {
        module_.platform.showMessage(failureTitle,
                                     "The note could not be removed from " + notesPath +
                                         ": its copy could not be put in the bin " + module_.Path(app::kBinFolder) +
                                         ".\r\n" + status.error + "\r\n\r\nThe note stays open.",
                                     platform::MessageIcon::Stop);
        return;
    }
    app::RecordFile database(files, notesPath);
    std::optional<std::string> theirs;
    if (platform::Status status = database.Reset(RecordNumber(), LastSeen(module_, RecordNumber(), theirs)); !status) {
        // The note stays, so its copy leaves the bin again; one that will not go is only a spare.
        const auto binned = NotesInBin(files, module_.DataPath);
        if (!binned.empty() && binned.front().record == RecordNumber()) {
            static_cast<void>(TakeOutOfBin(files, module_.DataPath, binned.front().file));
        }
        module_.platform.showMessage(
            failureTitle,
            "The note could not be removed from " + notesPath + ".\r\n" + status.error + "\r\n\r\nThe note stays open.",
            platform::MessageIcon::Stop);
        return;
    }
    module_.RecordsLastSeen[RecordNumber()].clear();
    // Removed here, changed on the other computer: the other computer's note is kept.
    if (theirs) KeepOtherCopysNote(module_, RecordNumber(), *theirs);
    form_->close();
}

void FrmNote::SetForeColor(platform::ColorRef color) {
    NoteText->setForeColor(color);
    LabelTit->setForeColor(color);
}

void FrmNote::SetBackColor(platform::ColorRef color) {
    NoteText->setBackColor(color);
    ButResize->setBackColor(color);
    form_->setBackColor(color);
}

void FrmNote::SwitchBold() {
    NoteText->setBold(!NoteText->font().bold);
}

void FrmNote::LeaveTopMost() {
    FTop->setVisible(false);
    form_->setTopMost(false);
}

void FrmNote::ToggleTopMost() {
    if (FTop->visible()) {
        LeaveTopMost();
    } else {
        FTop->setVisible(true);
        form_->setTopMost(true);
    }
}

void FrmNote::TakeFormatAsDefault() {
    const platform::Font& font = NoteText->font();
    module_.NoteFontName = font.name;
    module_.NoteFontSize = app::FormatNumber(font.size);
    module_.NoteFontBold = font.bold ? "1" : "0";
    module_.NoteForeColor = app::FormatColor(NoteText->foreColor());
    module_.NoteBackColor = app::FormatColor(NoteText->backColor());
    module_.NoteAlignment = std::to_string(static_cast<int>(NoteText->alignment()));
    if (platform::Status status = app::SaveSettings(module_.platform.files(), module_); !status) {
        module_.platform.showMessage(app::kProductName,
                                     "The default note format could not be saved in " +
                                         module_.Path(app::kSettingsFile) + ".\r\n" + status.error,
                                     platform::MessageIcon::Stop);
    }
}

void FrmNote::RollUpOrDown() {
    // RolledUp changes before the height: the height change runs the layout at once.
    if (form_->bounds().h <= kRolledUpHeight) {
        RolledUp = 0;
        LabelTit->setCaption("");
        form_->resize(form_->bounds().w, NoteHeight);
    } else {
        RolledUp = 1;
        const std::string text = NoteText->text();
        const std::string firstLine = text.substr(0, text.find_first_of("\r\n"));
        LabelTit->setCaption(firstLine.substr(0, kTitleLength));
        form_->resize(form_->bounds().w, kRolledUpHeight);
    }
}

}  // namespace notes
