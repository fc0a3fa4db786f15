// A desktop note: a borderless window FrmNote that draws its own frame (title strip with two
// buttons, thin edges, a resize grip) around the text box holding the note. Each window knows
// its record in the notes database and writes itself back there.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/module.h"
#include "notes/note_record.h"
#include "platform/form.h"

namespace notes {

class FrmNote {
public:
    // Loads the note handed over in the module's NoteRecNo and NoteRecord: a stored note is
    // applied as it is; an empty record gives a new note in the default format, written at once.
    explicit FrmNote(app::Module& module);

    platform::Form& form() const { return *form_; }
    bool closed() const { return form_->closed(); }
    int RecordNumber() const { return NoteID; }

    // Writes the note into its record; a failure is reported and the note keeps its text.
    void NoteSave();
    // The same write without any message box, for saving as the program ends.
    platform::Status WriteRecord();
    // A typed change not yet written, or a write that failed.
    bool SavePending() const;
    // The note's string as its record would hold it now: place, size, format, then the text.
    std::string CurrentNoteString() const;
    // Closes the window without writing the note (another copy of the database removed or
    // rewrote its record).
    void CloseUnsaved();

    // Comes onto these work areas when its stored place is on none of them, and goes back to its
    // stored place (and size) when that is on one again; the record keeps both until the user
    // moves the note.
    void FollowMonitors(const std::vector<platform::Rect>& workAreas);

    void TranspOn();
    void TranspOff();
    // Writes the text to the desktop: `Subor` "" does nothing, "*auto*" picks a time-stamped
    // name, anything else is the file name without ".txt". `Remov` removes the note afterwards.
    void ToDesk(const std::string& Subor, bool Remov);
    // A shell folder ending in "\", or "" when it cannot be found.
    std::string SysFolders(int CSIDL);

    // Elements.
    platform::Control* ButMini = nullptr;
    platform::Control* TopTitle = nullptr;
    platform::Control* LabelTit = nullptr;
    platform::Control* ButClose = nullptr;
    platform::Control* FTop = nullptr;
    platform::Control* BorderLeft = nullptr;
    platform::Control* BorderRight = nullptr;
    platform::Control* BorderBot = nullptr;
    platform::Control* NoteText = nullptr;
    platform::Control* ButResize = nullptr;
    platform::Timer* Odpocet = nullptr;

    // The note's full height in pixels, kept while it is rolled up; the record stores it.
    int NoteHeight = 0;
    int RolledUp = 0;
    std::uint8_t SaveCountdown = 0;

private:
    void CreateElements();
    void ConnectEvents();
    void ApplyRecord();
    // Shows the note at `shown`, keeping as stored place and size what differs from `stored`.
    void ShowAt(const platform::Rect& shown, const platform::Rect& stored);
    void ApplyDefaultFormat();
    NoteFields CurrentFields() const;

    // Format, shared by the keys, the record and the defaults.
    void SetForeColor(platform::ColorRef color);
    void SetBackColor(platform::ColorRef color);
    void SwitchBold();

    void StartCountdown();
    void CountdownTick();
    // The one way a note goes away: into the bin, then its record is freed and the window closes.
    void RemoveNote(const std::string& failureTitle);
    void LeaveTopMost();
    void ToggleTopMost();
    void TakeFormatAsDefault();
    void RollUpOrDown();

    // Keys.
    void NoteTextKeyDown(int key, int shift);
    void NoteTextKeyPress(int& character);
    void ButResizeKeyDown(int key, int shift);
    bool FormatKey(int key, int shift);
    bool TabKey(int key, int shift);
    std::string AskFileName();
    void AppendHelp();

    // Moving and resizing.
    void Layout();
    void TitleMouseDown(const platform::MouseEvent& e);
    void TitleMouseMove(const platform::MouseEvent& e);
    void GripMouseDown(const platform::MouseEvent& e);
    void GripMouseMove(const platform::MouseEvent& e);
    void GripMouseUp();

    app::Module& module_;
    std::unique_ptr<platform::Form> form_;
    // The note's record number (1 to 40), its identity for its whole life.
    int NoteID = 0;
    bool lastWriteFailed_ = false;
    // The stored place of a note whose monitor is gone and which opened on another one: the
    // record keeps it until the user moves the note, so the note returns with its monitor.
    std::optional<platform::Point> storedPlace_;
    // The stored size of a note larger than its monitor's work area, which opened smaller: the
    // record keeps it until the user moves or resizes the note.
    struct Size {
        int width;
        int height;
    };
    std::optional<Size> storedSize_;
    int ResizeStartWidth = 0;
    // Pixels in a full int: a window of any height can be resized.
    int ResizeStartHeight = 0;
};

// Whether a typed export name names a file in the desktop folder itself: no folder part, no
// character that file names cannot hold, no device name such as CON or COM1.
bool IsPlainFileName(const std::string& name);

}  // namespace notes
